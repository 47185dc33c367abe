#include "app/operations/page_field_colours.h"

#include "app/corvane_dlg.h"

#include <QWidget>

void SetPageFieldColour(COrvaneDlg& dialog, std::size_t index, const QColor& colour)
{
    EnterField& field = dialog.pageFields[index];
    field.SetBackgroundColor(colour, false);
    if (QWidget* widget = field.GetSafeWidget())
        widget->update();
}

void SetAllPageFieldColours(COrvaneDlg& dialog, const QColor& colour)
{
    for (std::size_t index = 0; index < dialog.pageRows.rows.size(); ++index)
        SetPageFieldColour(dialog, index, colour);
}

void FocusPageField(COrvaneDlg& dialog, std::size_t index)
{
    dialog.pageFields[index].SetFocus();
}
