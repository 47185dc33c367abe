#include "controls/numbered_enter_edits.h"
#include "controls/xcolor_static.h"
#include "framework/cdialog_ex.h"
#include "framework/ddx.h"
#include "support/sample_dialog_template.h"

#include <QEvent>
#include <QFontMetrics>
#include <QImage>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class ColoursDialog : public CDialogEx
{
public:
    ColoursDialog() : CDialogEx(sample::Template()) {}

    CEnterEdit1 pageField;
    CXColorStatic shortLabel;
    CXColorStatic longLabel;

protected:
    void DoDataExchange(CDataExchange& dx) override
    {
        DDX_Control(dx, sample::kPageField, pageField);
        DDX_Control(dx, sample::kLabel, shortLabel);
        DDX_Control(dx, sample::kLongLabel, longLabel);
    }
};

// Counts the paint events a widget receives.
class PaintCounter : public QObject
{
public:
    int paints = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints;
        return false;
    }
};

QColor PixelAt(QWidget* widget, QPoint point)
{
    return widget->grab().toImage().pixelColor(point);
}

// Rows of the widget's picture that hold a text pixel: bright on the black background (the
// text is anti-aliased, so thin strokes never reach pure white).
std::vector<int> RowsWithBrightPixels(QWidget* widget)
{
    constexpr int kBright = 160;
    const QImage image = widget->grab().toImage();
    std::vector<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y).lightness() > kBright) {
                rows.push_back(y);
                break;
            }
        }
    }
    return rows;
}

class ColourPaintingInDialog : public ::testing::Test
{
protected:
    void SetUp() override
    {
        dialog.Create();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(dialog.GetSafeWidget()));
    }

    ColoursDialog dialog;
};

TEST_F(ColourPaintingInDialog, SetBackgroundColorRepaintsTheFieldBeforeItReturns)
{
    QWidget* field = dialog.GetDlgItem(sample::kPageField);
    PaintCounter counter;
    field->installEventFilter(&counter);
    const QPoint inside(field->width() - 6, field->height() / 2);
    for (COLORREF colour : {kColourRed, kColourWhite, kColourGreen}) {
        SCOPED_TRACE(colour.Packed());
        const int before = counter.paints;
        dialog.pageField.SetBackgroundColor(colour);
        EXPECT_GT(counter.paints, before);
        EXPECT_EQ(dialog.pageField.backgroundColor, colour);
        EXPECT_EQ(PixelAt(field, inside), colour.ToQColor());
    }
    field->removeEventFilter(&counter);
}

TEST_F(ColourPaintingInDialog, WithoutRedrawTheNewColourWaitsForTheNextRepaint)
{
    QWidget* label = dialog.GetDlgItem(sample::kLabel);
    PaintCounter counter;
    label->installEventFilter(&counter);
    dialog.shortLabel.SetBackgroundColor(kColourBlack, false);
    EXPECT_EQ(counter.paints, 0);
    label->removeEventFilter(&counter);
    EXPECT_EQ(PixelAt(label, QPoint(1, 1)), kColourBlack.ToQColor());
}

TEST_F(ColourPaintingInDialog, LabelsPaintWhiteTextOnBlackAndWrapLongCaptions)
{
    for (CXColorStatic* label : {&dialog.shortLabel, &dialog.longLabel}) {
        label->SetBackgroundColor(kColourBlack, false);
        label->textColor = kColourWhite;
    }
    QWidget* shortWidget = dialog.GetDlgItem(sample::kLabel);
    QWidget* longWidget = dialog.GetDlgItem(sample::kLongLabel);
    EXPECT_EQ(PixelAt(shortWidget, QPoint(shortWidget->width() - 1, shortWidget->height() - 1)),
              QColor(Qt::black));

    const int lineHeight = QFontMetrics(*dialog.longLabel.Font()).lineSpacing();
    const std::vector<int> shortRows = RowsWithBrightPixels(shortWidget);
    ASSERT_FALSE(shortRows.empty());
    EXPECT_LT(shortRows.back(), lineHeight); // one line
    const std::vector<int> longRows = RowsWithBrightPixels(longWidget);
    ASSERT_FALSE(longRows.empty());
    EXPECT_LT(longRows.front(), lineHeight);
    EXPECT_GE(longRows.back(), lineHeight); // text on a further line
}

TEST(ColourPainting, FontIsCopiedWhenTheControlIsAttached)
{
    ColoursDialog dialog;
    EXPECT_FALSE(dialog.pageField.Font());
    EXPECT_EQ(dialog.pageField.backgroundColor, kColourButtonFace);
    dialog.Create();
    ASSERT_TRUE(dialog.pageField.Font());
    EXPECT_EQ(*dialog.pageField.Font(), dialog.GetDlgItem(sample::kPageField)->font());
}

} // namespace
