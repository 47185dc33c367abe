#include "framework/dialog_units.h"
#include "framework/dialog_window.h"
#include "sample_dialog.h"

#include <QImage>
#include <QLabel>
#include <QMenuBar>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(DialogUnits, ConvertWithBaseUnitsSixByThirteenRoundingHalvesAwayFromZero)
{
    const struct
    {
        int units, horizontal, vertical;
    } rows[] = {{0, 0, 0}, {1, 2, 2}, {4, 6, 7}, {12, 18, 20}, {583, 875, 947}, {-1, -2, -2}};
    for (const auto& row : rows) {
        EXPECT_EQ(HorizontalDialogUnitsToPixels(row.units), row.horizontal) << row.units;
        EXPECT_EQ(VerticalDialogUnitsToPixels(row.units), row.vertical) << row.units;
    }
}

TEST(DialogLayout, ControlsLandOnTheirPixelsBelowTheMenuBarAndMoveWindowPlacesTheFrame)
{
    SampleDialog dialog;
    ASSERT_TRUE(dialog.Create());
    DialogWindow* window = dialog.GetSafeWidget();
    const int menuHeight = window->MenuBar()->height();
    ASSERT_GT(menuHeight, 0);
    // page field at 45, 22, 82 x 12 dialog units; client area 300 x 200 dialog units
    QWidget* field = dialog.GetDlgItem(sample::kPageField);
    EXPECT_EQ(field->geometry(), QRect(68, 36, 123, 20));
    EXPECT_EQ(field->mapTo(window, QPoint(0, 0)), QPoint(68, 36 + menuHeight));
    EXPECT_EQ(window->size(), QSize(450, 325 + menuHeight));

    const QRect moved(dialog.GetWindowRect().topLeft() + QPoint(40, 30), QSize(676, 490));
    dialog.MoveWindow(moved);
    EXPECT_EQ(dialog.GetWindowRect(), moved);
    EXPECT_EQ(window->ClientArea()->width(), window->width());
}

TEST(DialogLayout, PictureTakesItsOwnSizeAtItsTopLeftCornerOrElseTheTemplateRectangle)
{
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("picture.png"));
    QImage image(40, 25, QImage::Format_RGB32);
    image.fill(Qt::black);
    ASSERT_TRUE(image.save(path));
    DialogTemplate t;
    t.sizeInDialogUnits = QSize(100, 100);
    t.controls = {{IDC_STATIC, ControlKind::Picture, path, {10, 8, 152, 30}},
                  {IDC_STATIC, ControlKind::Picture, ":/missing.png", {2, 2, 10, 10}}};
    CDialogEx dialog(t);
    ASSERT_TRUE(dialog.Create());
    const auto pictures = dialog.GetSafeWidget()->ClientArea()->findChildren<QLabel*>();
    ASSERT_EQ(pictures.size(), 2);
    EXPECT_EQ(pictures[0]->geometry(), QRect(15, 13, 40, 25));
    EXPECT_EQ(pictures[1]->geometry(), QRect(3, 3, 15, 16));
}

} // namespace
