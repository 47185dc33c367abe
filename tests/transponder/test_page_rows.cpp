#include "transponder/page_rows.h"

#include <gtest/gtest.h>

namespace {

PageRows RowsWithDefaults()
{
    PageRows rows;
    for (std::size_t i = 0; i < rows.rows.size(); ++i) {
        rows.rows[i].text = QString("text %1").arg(i);
        rows.rows[i].defaultText =
            i % 3 == 0 ? QString() : QString("%1").arg(i, 16, 16, QChar('0'));
    }
    return rows;
}

TEST(PageRows, AllBoxDrivesEveryRowButRowsNeverSetIt)
{
    PageRows rows;
    rows.allSelected = 1;
    rows.ApplyAllSelected();
    rows.rows[4].selected = 0;
    rows.ApplyRowSelected(4);
    EXPECT_EQ(rows.allSelected, 0);
    for (std::size_t i = 0; i < rows.rows.size(); ++i)
        EXPECT_EQ(rows.rows[i].selected, i == 4 ? 0 : 1);

    rows.rows[4].selected = 1; // the last unselected row selected again
    rows.ApplyRowSelected(4);
    EXPECT_EQ(rows.allSelected, 0);
    rows.rows[6].selected = 0; // a further row off keeps "all" off
    rows.ApplyRowSelected(6);
    EXPECT_EQ(rows.allSelected, 0);

    rows.ApplyAllSelected(); // "all" switched off
    for (const PageRow& row : rows.rows)
        EXPECT_EQ(row.selected, 0);
}

TEST(PageRows, RestoringDefaultsTwiceEqualsOnce)
{
    PageRows once = RowsWithDefaults();
    once.RestoreDefaultTexts();
    PageRows twice = RowsWithDefaults();
    twice.RestoreDefaultTexts();
    twice.RestoreDefaultTexts();
    EXPECT_EQ(twice.allSelected, 1);
    for (std::size_t i = 0; i < once.rows.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(once.rows[i].text, RowsWithDefaults().rows[i].defaultText);
        EXPECT_EQ(twice.rows[i].text, once.rows[i].text);
        EXPECT_EQ(twice.rows[i].selected, 1);
    }
}

} // namespace
