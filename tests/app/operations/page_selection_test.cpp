#include "app/window_fixture.h"

#include "resources/control_ids.h"
#include "transponder/page_row_table.h"

#include <gtest/gtest.h>

namespace {

using namespace ControlId;
using PageSelectionTest = WindowFixture;

QString Selection(const COrvaneDlg& window)
{
    QString marks = QString::number(window.pageRows.allSelected) + u' ';
    for (const PageRow& row : window.pageRows.rows)
        marks += QString::number(row.selected);
    return marks;
}

// Each press changes the selection and whitens the fields it concerns.
TEST_F(PageSelectionTest, AllBoxDrivesEveryRowAndClearingOneRowClearsAll)
{
    const struct
    {
        int box;
        QString paint;
        QString selection;
        QString colours;
    } presses[] = {
        {kAllBox, "WRWWWWGWWWWWWWWWW WW", "1 11111111111111111", "WWWWWWWWWWWWWWWWW WW"},
        {kPageRows[4].checkBoxId, "WWWWGGWWWWWWWWWWW WW", "0 11110111111111111",
         "WWWWWGWWWWWWWWWWW WW"},
        {kAllBox, "WWWWWWGWWWWWWWWWW WW", "1 11111111111111111", "WWWWWWWWWWWWWWWWW WW"},
        {kAllBox, "WWWWWWGWWWWWWWWWW WW", "0 00000000000000000", "WWWWWWWWWWWWWWWWW WW"},
    };
    COrvaneDlg& window = OpenOnReader(Select({2}));
    for (const auto& press : presses) {
        SCOPED_TRACE(press.selection.toStdString());
        Paint(press.paint);
        Press(press.box);
        EXPECT_EQ(Selection(window), press.selection);
        EXPECT_EQ(Colours(), press.colours);
    }
}

} // namespace
