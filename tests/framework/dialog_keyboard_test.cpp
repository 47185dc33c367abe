#include "framework/multi_line_edit.h"
#include "framework/single_line_edit.h"
#include "sample_dialog.h"
#include "support/recording_message_presenter.h"

#include <gtest/gtest.h>

namespace {

class DialogKeyboard : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dialog.pageText = QStringLiteral("ABCD");
        dialog.GetMessageMap().OnCommand(sample::kWriteButton, [this] { ++writeClicks; });
        dialog.Open();
    }

    QWidget* Item(int id) { return dialog.GetDlgItem(id); }
    void Press(int id, Qt::Key key)
    {
        Item(id)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), key);
    }
    // The control that holds the focus (a combo box's inner edit counts as the combo box).
    QWidget* FocusedControl()
    {
        QWidget* focus = QApplication::focusWidget();
        while (focus != nullptr && focus->parentWidget() != dialog.GetSafeWidget()->ClientArea())
            focus = focus->parentWidget();
        return focus;
    }

    RecordingMessagePresenter boxes;
    SampleDialog dialog;
    int writeClicks = 0;
};

TEST_F(DialogKeyboard, EnterPressesAFocusedPushButtonAndAMultiLineOutputKeepsIt)
{
    Press(sample::kWriteButton, Qt::Key_Return);
    EXPECT_EQ(writeClicks, 1);
    auto* output = dialog.Item<MultiLineEdit>(sample::kOutput);
    output->setFocus();
    QTest::keyClicks(output, QStringLiteral("a\rb"));
    EXPECT_EQ(output->toPlainText(), QStringLiteral("a\nb"));
    EXPECT_FALSE(dialog.EndResult());
}

TEST_F(DialogKeyboard, EnterElsewhereEndsTheOkWayWithFieldsTakenOver)
{
    for (int id : {sample::kReadBox, sample::kPlainBox, sample::kLengthField}) {
        SCOPED_TRACE(id);
        SampleDialog other;
        other.Open();
        other.Item<SingleLineEdit>(sample::kPageField)->setText(QStringLiteral("1234"));
        other.GetDlgItem(id)->setFocus();
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Enter);
        EXPECT_EQ(other.EndResult(), IDOK);
        EXPECT_EQ(other.pageText, QStringLiteral("1234"));
        EXPECT_FALSE(other.GetSafeWidget()->isVisible());
    }
}

TEST_F(DialogKeyboard, EnterStaysOpenWhenTakingOverFails)
{
    dialog.Item<SingleLineEdit>(sample::kPageField)->SetTextInFull(QStringLiteral("123456789"));
    Press(sample::kReadBox, Qt::Key_Return);
    EXPECT_FALSE(dialog.EndResult());
    EXPECT_EQ(boxes.shown.size(), 1u);
    EXPECT_EQ(FocusedControl(), Item(sample::kPageField));
}

TEST_F(DialogKeyboard, EscapeCancelsWithoutTakingOver)
{
    dialog.Item<SingleLineEdit>(sample::kPageField)->setText(QStringLiteral("typed"));
    Press(sample::kWriteButton, Qt::Key_Escape);
    EXPECT_EQ(dialog.EndResult(), IDCANCEL);
    EXPECT_EQ(dialog.pageText, QStringLiteral("ABCD"));
    EXPECT_EQ(writeClicks, 0);
}

TEST_F(DialogKeyboard, TabAndShiftTabVisitTheEnabledVisibleTabStopsInTemplateOrder)
{
    const std::vector<int> order = {
        sample::kWriteButton, sample::kReadBox,     sample::kPlainBox,
        sample::kPageField,   sample::kSecondField, sample::kLengthField,
        sample::kSendField,   sample::kOutput,      sample::kCombo};
    ASSERT_EQ(FocusedControl(), Item(order.front())); // the hidden OK and Cancel are skipped
    for (std::size_t i = 1; i <= order.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_EQ(FocusedControl(), Item(order[i % order.size()])) << "after tab " << i;
    }
    for (std::size_t i = order.size(); i-- > 0;) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        EXPECT_EQ(FocusedControl(), Item(order[i])) << "after back-tab to " << i;
    }
}

} // namespace
