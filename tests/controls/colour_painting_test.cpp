#include "controls/numbered_enter_edits.h"
#include "framework/cdialog_ex.h"
#include "framework/ddx.h"
#include "support/sample_dialog_template.h"

#include <QEvent>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class ColoursDialog : public CDialogEx
{
public:
    ColoursDialog() : CDialogEx(sample::Template()) {}

    CEnterEdit1 pageField;

protected:
    void DoDataExchange(CDataExchange& dx) override
    {
        DDX_Control(dx, sample::kPageField, pageField);
    }
};

class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

TEST(ColourPainting, SetBackgroundColorRepaintsTheFieldBeforeItReturns)
{
    ColoursDialog dialog;
    dialog.Create();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.GetSafeWidget()));
    QWidget* field = dialog.GetDlgItem(sample::kPageField);
    PaintCounter counter;
    field->installEventFilter(&counter);
    const QPoint inside(field->width() - 6, field->height() / 2);
    for (COLORREF colour : {kColourRed, kColourWhite}) {
        SCOPED_TRACE(colour.Packed());
        const int before = counter.paints;
        dialog.pageField.SetBackgroundColor(colour);
        EXPECT_GT(counter.paints, before);
        EXPECT_EQ(field->grab().toImage().pixelColor(inside), colour.ToQColor());
    }
    field->removeEventFilter(&counter);
}

} // namespace
