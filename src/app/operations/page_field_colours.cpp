#include "app/operations/page_field_colours.h"

#include "app/corvane_dlg.h"

#include <QWidget>

void SetPageFieldColour(COrvaneDlg& dialog, std::size_t index, COLORREF colour)
{
    ColouredEnterEdit* field = dialog.pageFields.InPageOrder()[index];
    field->SetBackgroundColor(colour, false);
    if (QWidget* widget = field->GetSafeWidget())
        widget->update();
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
