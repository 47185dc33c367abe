#include "ui/enter_field.h"
#include "ui/colours.h"
#include "support/sample_dialog.h"

#include <gtest/gtest.h>

namespace {

// The sample dialog with its page field bound as the main window binds its page fields.
struct FieldsDialog : SampleDialog
{
    EnterField pageField;
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

TEST(EnterField, SetBackgroundColorRepaintsTheFieldBeforeItReturns)
{
    FieldsDialog dialog;
    dialog.Create();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.GetSafeWidget()));
    QWidget* field = dialog.GetDlgItem(sample::kPageField);
    PaintCounter counter;
    field->installEventFilter(&counter);
    for (const QColor& colour : {kColourRed, kColourWhite}) {
        const int before = counter.paints;
        dialog.pageField.SetBackgroundColor(colour);
        EXPECT_GT(counter.paints, before) << colour.name().toStdString();
        EXPECT_EQ(field->grab().toImage().pixelColor(field->width() - 6, field->height() / 2),
                  colour);
    }
}

} // namespace
