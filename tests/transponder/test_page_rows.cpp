#include "transponder/page_row_table.h"
#include "transponder/page_rows.h"

#include <gtest/gtest.h>

#include <set>

namespace {

TEST(PageRowTable, DescribesPagesOneToSeventeenWithDistinctControls)
{
    std::set<int> ids;
    for (std::size_t i = 0; i < kPageRows.size(); ++i) {
        const PageRowConstants& row = kPageRows[i];
        const QString name = QString("P%1").arg(i + 1);
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(row.page, static_cast<int>(i) + 1);
        EXPECT_EQ(row.pageLabel, name);
        EXPECT_EQ(row.textKey, name);
        EXPECT_EQ(row.selectKey, "Select" + name);
        EXPECT_EQ(row.defaultKey, name + "Default");
        EXPECT_EQ(row.description, i < 2 ? QString("Carrier ID %1").arg(i + 1) : "user free");
        for (int id : {row.checkBoxId, row.fieldId, row.pageLabelId, row.descriptionLabelId})
            EXPECT_TRUE(ids.insert(id).second) << "control id used twice: " << id;
    }
    // Spot checks against the window's layout: first, a middle and the last row.
    EXPECT_EQ(kPageRows[0].checkBoxId, 1011);
    EXPECT_EQ(kPageRows[0].fieldId, 1006);
    EXPECT_EQ(kPageRows[4].fieldId, 1017);
    EXPECT_EQ(kPageRows[16].checkBoxId, 1068);
    EXPECT_EQ(kPageRows[16].fieldId, 1037);
    EXPECT_EQ(kPageRows[16].pageLabelId, 1095);
    EXPECT_EQ(kPageRows[16].descriptionLabelId, 1053);
}

PageRows SomeRows()
{
    PageRows rows;
    for (std::size_t i = 0; i < rows.rows.size(); ++i) {
        rows.rows[i].text = QString("text %1").arg(i);
        rows.rows[i].defaultText = i % 3 == 0 ? QString() : QString(16, QChar(char16_t(u'0' + i % 10)));
        rows.rows[i].selected = i % 2;
        rows.rows[i].fieldColour = i == 5 ? kColourRed : kColourGreen;
    }
    return rows;
}

TEST(PageRows, TheAllBoxSelectsOrDeselectsEveryRow)
{
    for (int all : {1, 0}) {
        SCOPED_TRACE(all);
        PageRows rows = SomeRows();
        rows.allSelected = all;
        rows.ApplyAllSelected();
        for (const PageRow& row : rows.rows)
            EXPECT_EQ(row.selected, all);
    }
}

TEST(PageRows, DeselectingOneRowClearsAllAndLeavesTheOthers)
{
    PageRows rows;
    rows.allSelected = 1;
    rows.ApplyAllSelected();
    rows.rows[4].selected = 0;
    rows.ApplyRowSelected(4);
    EXPECT_EQ(rows.allSelected, 0);
    for (std::size_t i = 0; i < rows.rows.size(); ++i)
        EXPECT_EQ(rows.rows[i].selected, i == 4 ? 0 : 1);
}

TEST(PageRows, SelectingEveryRowOneByOneLeavesAllClear)
{
    PageRows rows;
    for (int i = 0; i < kPageCount; ++i) {
        rows.rows[static_cast<std::size_t>(i)].selected = 1;
        rows.ApplyRowSelected(i);
    }
    EXPECT_EQ(rows.allSelected, 0);
    rows.ApplyRowSelected(-1);
    rows.ApplyRowSelected(kPageCount);
    EXPECT_EQ(rows.allSelected, 0);
}

TEST(PageRows, RestoringDefaultsTwiceEqualsOnce)
{
    PageRows once = SomeRows();
    once.RestoreDefaultTexts();
    PageRows twice = SomeRows();
    twice.RestoreDefaultTexts();
    twice.RestoreDefaultTexts();
    EXPECT_EQ(once.allSelected, 1);
    EXPECT_EQ(twice.allSelected, 1);
    for (std::size_t i = 0; i < once.rows.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(once.rows[i].text, once.rows[i].defaultText);
        EXPECT_EQ(once.rows[i].selected, 1);
        EXPECT_EQ(once.rows[i].fieldColour, SomeRows().rows[i].fieldColour);
        EXPECT_EQ(twice.rows[i].text, once.rows[i].text);
        EXPECT_EQ(twice.rows[i].selected, once.rows[i].selected);
    }
}

} // namespace
