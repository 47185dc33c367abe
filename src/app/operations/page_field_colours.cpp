#include "app/operations/page_field_colours.h"

#include "app/corvane_dlg.h"

void SetPageFieldColour(COrvaneDlg& dialog, std::size_t index, COLORREF colour)
{
    dialog.pageFields.InPageOrder()[index]->SetBackgroundColor(colour, true);
}

void SetAllPageFieldColours(COrvaneDlg& dialog, COLORREF colour)
{
    for (std::size_t index = 0; index < dialog.pageRows.rows.size(); ++index)
        SetPageFieldColour(dialog, index, colour);
}

void FocusPageField(COrvaneDlg& dialog, std::size_t index)
{
    dialog.pageFields.InPageOrder()[index]->SetFocus();
}
