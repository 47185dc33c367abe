#include "app/window_fixture.h"

namespace {

using PageSelectionTest = WindowFixture;

// Each press changes the selection and whitens the fields it concerns.
TEST_F(PageSelectionTest, AllBoxDrivesEveryRowAndClearingOneRowClearsAll)
{
    MainWindow& window = OpenOnReader(Select({2}));
    // The All box and row marks, then the colours.
    const auto selection = [&] {
        QString marks = QString::number(window.Model().pageRows.allSelected) + u' ';
        for (const PageRow& row : window.Model().pageRows.rows)
            marks += QString::number(row.selected);
        return marks + u' ' + Colours();
    };
    Paint("WRWWWWGWWWWWWWWWW WW");
    Press(ControlName::kAllBox);
    EXPECT_EQ(selection(), "1 11111111111111111 WWWWWWWWWWWWWWWWW WW");
    Paint("WWWWGGWWWWWWWWWWW WW");
    Press(ControlName::PageBox(5));
    EXPECT_EQ(selection(), "0 11110111111111111 WWWWWGWWWWWWWWWWW WW");
}

} // namespace
