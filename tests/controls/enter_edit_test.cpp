#include "controls/numbered_enter_edits.h"
#include "support/sample_dialog.h"

#include <gtest/gtest.h>

namespace {

// The sample dialog with its page field bound as the main window binds page field 1.
struct FieldsDialog : SampleDialog
{
    CEnterEdit1 pageField;
    void DoDataExchange(CDataExchange& dx) override
    {
        DDX_Control(dx, sample::kPageField, pageField);
    }
};

struct PaintCounter : QObject
{
    int paints = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

TEST(EnterEdit, SetBackgroundColorRepaintsTheFieldBeforeItReturns)
{
    FieldsDialog dialog;
    dialog.Create();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.GetSafeWidget()));
    QWidget* field = dialog.GetDlgItem(sample::kPageField);
    PaintCounter counter;
    field->installEventFilter(&counter);
    for (COLORREF colour : {kColourRed, kColourWhite}) {
        const int before = counter.paints;
        dialog.pageField.SetBackgroundColor(colour);
        EXPECT_GT(counter.paints, before) << colour.Packed();
        EXPECT_EQ(field->grab().toImage().pixelColor(field->width() - 6, field->height() / 2),
                  colour.ToQColor());
    }
}

} // namespace
