#include "app/window_fixture.h"

#include "transponder/page_row_table.h"

namespace {

using namespace ControlId;
using PageSelectionTest = WindowFixture;

// Each press changes the selection and whitens the fields it concerns.
TEST_F(PageSelectionTest, AllBoxDrivesEveryRowAndClearingOneRowClearsAll)
{
    // The box pressed, the colours before, the All box and row marks and the colours after.
    const std::tuple<int, QString, QString, QString> presses[] = {
        {kAllBox, "WRWWWWGWWWWWWWWWW WW", "1 11111111111111111", "WWWWWWWWWWWWWWWWW WW"},
        {kPageRows[4].checkBoxId, "WWWWGGWWWWWWWWWWW WW", "0 11110111111111111",
         "WWWWWGWWWWWWWWWWW WW"},
        {kAllBox, "WWWWWWGWWWWWWWWWW WW", "1 11111111111111111", "WWWWWWWWWWWWWWWWW WW"},
        {kAllBox, "WWWWWWGWWWWWWWWWW WW", "0 00000000000000000", "WWWWWWWWWWWWWWWWW WW"},
    };
    COrvaneDlg& window = OpenOnReader(Select({2}));
    for (const auto& [box, paint, selection, colours] : presses) {
        SCOPED_TRACE(selection.toStdString());
        Paint(paint);
        Press(box);
        QString marks = QString::number(window.pageRows.allSelected) + u' ';
        for (const PageRow& row : window.pageRows.rows)
            marks += QString::number(row.selected);
        EXPECT_EQ(marks, selection);
        EXPECT_EQ(Colours(), colours);
    }
}

} // namespace
