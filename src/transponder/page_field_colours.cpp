#include "transponder/page_field_colours.h"

#include "app/ctamblor_dlg.h"

void SetPageFieldColour(CTamblorDlg& dialog, std::size_t index, COLORREF colour)
{
    dialog.pageRows.rows[index].fieldColour = colour;
    dialog.pageFields.InPageOrder()[index]->SetBackgroundColor(colour, true);
}

void SetAllPageFieldColours(CTamblorDlg& dialog, COLORREF colour)
{
    for (std::size_t index = 0; index < dialog.pageRows.rows.size(); ++index)
        SetPageFieldColour(dialog, index, colour);
}

void FocusPageField(CTamblorDlg& dialog, std::size_t index)
{
    dialog.pageFields.InPageOrder()[index]->SetFocus();
}
