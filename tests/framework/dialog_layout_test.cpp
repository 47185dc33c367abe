#include "framework/dialog_units.h"
#include "framework/dialog_window.h"
#include "sample_dialog.h"

#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

struct UnitCase
{
    int units;
    int horizontalPixels;
    int verticalPixels;
};

TEST(DialogUnits, ConvertWithBaseUnitsSixByThirteenRoundingHalvesUp)
{
    const UnitCase cases[] = {
        {0, 0, 0},       {1, 2, 2},       {2, 3, 3},    {3, 5, 5},      {4, 6, 7},
        {8, 12, 13},     {11, 17, 18},    {12, 18, 20}, {82, 123, 133}, {264, 396, 429},
        {441, 662, 717}, {583, 875, 947}, {-1, -2, -2},
    };
    for (const UnitCase& c : cases) {
        SCOPED_TRACE(c.units);
        EXPECT_EQ(HorizontalDialogUnitsToPixels(c.units), c.horizontalPixels);
        EXPECT_EQ(VerticalDialogUnitsToPixels(c.units), c.verticalPixels);
    }
}

TEST(DialogLayout, ControlsLandOnTheirPixelsInsideTheClientAreaBelowTheMenuBar)
{
    SampleDialog dialog;
    ASSERT_TRUE(dialog.Create());
    DialogWindow* window = dialog.GetSafeWidget();
    const int menuHeight = window->MenuBar()->height();
    ASSERT_GT(menuHeight, 0);

    // page field at 45, 22, 82 x 12 dialog units
    QWidget* field = dialog.GetDlgItem(sample::kPageField);
    EXPECT_EQ(field->geometry(), QRect(68, 36, 123, 20));
    EXPECT_EQ(field->mapTo(window, QPoint(0, 0)), QPoint(68, 36 + menuHeight));
    // client area of 300 x 200 dialog units below the menu bar
    EXPECT_EQ(window->ClientArea()->size(), QSize(450, 325));
    EXPECT_EQ(window->size(), QSize(450, 325 + menuHeight));
    dialog.DestroyWindow();
}

TEST(DialogLayout, PictureTakesItsOwnSizeAtItsTopLeftCorner)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("picture.png"));
    QImage image(40, 25, QImage::Format_RGB32);
    image.fill(Qt::black);
    ASSERT_TRUE(image.save(path));

    DialogTemplate t;
    t.sizeInDialogUnits = QSize(100, 100);
    t.controls = {
        {IDC_STATIC, ControlKind::Picture, path, {10, 8, 152, 30}, 0},
        {IDC_STATIC, ControlKind::Picture, QStringLiteral(":/missing.png"), {2, 2, 10, 10}, 0}};
    CDialogEx dialog(t);
    ASSERT_TRUE(dialog.Create());
    const auto pictures = dialog.GetSafeWidget()->ClientArea()->findChildren<QLabel*>();
    ASSERT_EQ(pictures.size(), 2);
    EXPECT_EQ(pictures[0]->geometry(), QRect(15, 13, 40, 25));
    EXPECT_EQ(pictures[1]->geometry(), QRect(3, 3, 15, 16)); // no picture: template rectangle
}

TEST(DialogLayout, MoveWindowKeepsTheGivenTopLeftAndSetsTheOuterSize)
{
    SampleDialog dialog;
    dialog.Create();
    dialog.MoveWindow(QRect(dialog.GetWindowRect().topLeft(), QSize(676, 490)));
    const QPoint topLeft = dialog.GetWindowRect().topLeft();
    dialog.MoveWindow(QRect(topLeft, QSize(890, 490)));
    EXPECT_EQ(dialog.GetWindowRect(), QRect(topLeft, QSize(890, 490)));
    dialog.MoveWindow(QRect(topLeft, QSize(676, 490)));
    EXPECT_EQ(dialog.GetWindowRect(), QRect(topLeft, QSize(676, 490)));
    // the client area follows the window
    EXPECT_EQ(dialog.GetSafeWidget()->ClientArea()->width(), dialog.GetSafeWidget()->width());
}

} // namespace
