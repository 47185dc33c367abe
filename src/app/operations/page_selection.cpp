#include "app/corvane_dlg.h"
#include "app/operations/page_field_colours.h"

void COrvaneDlg::OnAllClicked()
{
    UpdateData(true);
    pageRows.ApplyAllSelected();
    if (!pageRows.allSelected) {
        // Each field takes the focus in turn, so the last page's field keeps it.
        for (std::size_t index = 0; index < pageRows.rows.size(); ++index)
            FocusPageField(*this, index);
    }
    ShowSelectionPictures();
    SetAllPageFieldColours(*this, kColourWhite);
    UpdateData(false);
}

void COrvaneDlg::OnPageBoxClicked(int index)
{
    if (index < 0 || index >= static_cast<int>(pageRows.rows.size()))
        return;
    const auto row = static_cast<std::size_t>(index);
    UpdateData(true);
    pageRows.ApplyRowSelected(index);
    if (!pageRows.rows[row].selected)
        FocusPageField(*this, row);
    ShowSelectionPictures();
    SetPageFieldColour(*this, row, kColourWhite);
    UpdateData(false);
}
