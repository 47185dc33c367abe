#include "transponder/page_rows.h"

void PageRows::ApplyAllSelected()
{
    for (PageRow& row : rows)
        row.selected = allSelected;
}

void PageRows::ApplyRowSelected(int index)
{
    if (index < 0 || index >= kPageCount)
        return;
    if (!rows[static_cast<std::size_t>(index)].selected)
        allSelected = false;
}

void PageRows::RestoreDefaultTexts()
{
    allSelected = true;
    for (PageRow& row : rows) {
        row.text = row.defaultText;
        row.selected = true;
    }
}
