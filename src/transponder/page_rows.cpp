#include "transponder/page_rows.h"

PageSelection PageRows::Selection() const
{
    PageSelection selection{};
    for (std::size_t index = 0; index < rows.size(); ++index)
        selection[index] = rows[index].selected;
    return selection;
}

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
