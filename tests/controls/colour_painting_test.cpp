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

// Rows holding a bright (text) pixel; anti-aliased strokes never reach pure white.
std::vector<int> RowsWithBrightPixels(QWidget* widget)
{
    const QImage image = widget->grab().toImage();
    std::vector<int> rows;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y).lightness() > 160) {
                rows.push_back(y);
                break;
            }
        }
    }
    return rows;
}

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

TEST(ColourPainting, LabelsPaintWhiteTextOnBlackAndWrapLongCaptions)
{
    ColoursDialog dialog;
    dialog.Create();
    for (CXColorStatic* label : {&dialog.shortLabel, &dialog.longLabel}) {
        label->SetBackgroundColor(kColourBlack, false);
        label->textColor = kColourWhite;
    }
    QWidget* shortWidget = dialog.GetDlgItem(sample::kLabel);
    const QImage shortImage = shortWidget->grab().toImage();
    EXPECT_EQ(shortImage.pixelColor(shortImage.width() - 1, shortImage.height() - 1),
              QColor(Qt::black));

    const int lineHeight = QFontMetrics(*dialog.longLabel.Font()).lineSpacing();
    const std::vector<int> shortRows = RowsWithBrightPixels(shortWidget);
    ASSERT_FALSE(shortRows.empty());
    EXPECT_LT(shortRows.back(), lineHeight); // one line
    const std::vector<int> longRows = RowsWithBrightPixels(dialog.GetDlgItem(sample::kLongLabel));
    ASSERT_FALSE(longRows.empty());
    EXPECT_LT(longRows.front(), lineHeight);
    EXPECT_GE(longRows.back(), lineHeight); // text on a further line
}

} // namespace
