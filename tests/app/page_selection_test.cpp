#include "app/reader_operations_fixture.h"

#include "resources/control_ids.h"
#include "transponder/page_row_table.h"

#include <gtest/gtest.h>

namespace {

using namespace ControlId;

class PageSelectionTest : public ReaderOperationsFixture
{
protected:

    void ExpectSelection(int allSelected, const std::vector<int>& selectedPages) const
    {
        EXPECT_EQ(dialog->pageRows.allSelected, allSelected);
        EXPECT_TRUE(
            Shows(kAllBox, allSelected == 1 ? dialog->boxes.tickedBox : dialog->boxes.emptyBox));
        for (int page = 1; page <= 17; ++page) {
            SCOPED_TRACE(page);
            const bool selected =
                std::find(selectedPages.begin(), selectedPages.end(), page) != selectedPages.end();
            EXPECT_EQ(dialog->pageRows.rows[page - 1].selected, selected ? 1 : 0);
            EXPECT_TRUE(Shows(kPageRows[page - 1].checkBoxId,
                              selected ? dialog->boxes.tickedBox : dialog->boxes.emptyBox));
        }
    }

    static std::vector<int> AllBut(int skipped)
    {
        std::vector<int> pages;
        for (int page = 1; page <= 17; ++page) {
            if (page != skipped)
                pages.push_back(page);
        }
        return pages;
    }
};

TEST_F(PageSelectionTest, AllBoxSelectsAndClearsEveryRowAndWhitensTheFields)
{
    COrvaneDlg& window = OpenWithData(SelectLines({2}));
    window.pageFields.field2.SetBackgroundColor(kColourRed);

    Click(kAllBox);
    ExpectSelection(1, AllBut(0));
    EXPECT_EQ(PageFieldColour(2), kColourWhite);

    window.pageFields.field7.SetBackgroundColor(kColourGreen);
    Click(kAllBox);
    ExpectSelection(0, {});
    EXPECT_EQ(PageFieldColour(7), kColourWhite);
    EXPECT_TRUE(PageFieldHasFocus(17));
}

TEST_F(PageSelectionTest, ClearingOneRowClearsAllButNotTheOtherRows)
{
    COrvaneDlg& window = OpenWithData();
    Click(kAllBox);
    window.pageFields.field5.SetBackgroundColor(kColourGreen);
    window.pageFields.field6.SetBackgroundColor(kColourGreen);

    Click(kPageRows[4].checkBoxId);

    ExpectSelection(0, AllBut(5));
    EXPECT_TRUE(PageFieldHasFocus(5));
    EXPECT_EQ(PageFieldColour(5), kColourWhite);
    EXPECT_EQ(PageFieldColour(6), kColourGreen);
}

} // namespace
