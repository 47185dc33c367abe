#include "sample_dialog.h"

#include <QTimer>
#include <gtest/gtest.h>

namespace {

TEST(ModalRun, EndsWithTheResultGivenToEndDialogDestroysTheWindowAndCanRunAgain)
{
    SampleDialog dialog;
    int destroyed = 0;
    dialog.GetMessageMap().OnDestroy([&] {
        ++destroyed;
        EXPECT_NE(dialog.GetDlgItem(sample::kPageField), nullptr); // controls still exist
    });
    QTimer::singleShot(0, [&] { dialog.EndDialog(IDOK); });
    EXPECT_EQ(dialog.DoModal(), IDOK);
    EXPECT_EQ(destroyed, 1);
    EXPECT_EQ(dialog.GetSafeWidget(), nullptr);
    EXPECT_EQ(dialog.GetDlgItem(sample::kPageField), nullptr);
    QTimer::singleShot(
        0, [&] { QTest::keyClick(dialog.GetDlgItem(sample::kWriteButton), Qt::Key_Escape); });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

TEST(ModalRun, EndingDuringInitialisationReturnsWithoutALoop)
{
    class EndsAtOnce : public SampleDialog
    {
        bool OnInitDialog() override
        {
            SampleDialog::OnInitDialog();
            EndDialog(IDCANCEL);
            return true;
        }
    } dialog;
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);
}

} // namespace
