#include "app/main_window.h"
#include "ui/colours.h"
#include "ui/enter_field.h"

void MainWindow::OnAllClicked()
{
    TakeFields();
    model.pageRows.ApplyAllSelected();
    if (!model.pageRows.allSelected) {
        // Each field takes the focus in turn, so the last page's field keeps it.
        for (EnterField* field : widgets.pageFields)
            field->setFocus();
    }
    ShowPictures();
    SetAllPageFieldColours(kColourWhite);
    ShowFields();
}

void MainWindow::OnPageBoxClicked(int index)
{
    const auto row = static_cast<std::size_t>(index);
    TakeFields();
    model.pageRows.ApplyRowSelected(index);
    if (!model.pageRows.rows[row].selected)
        widgets.pageFields[row]->setFocus();
    ShowPictures();
    SetPageFieldColour(row, kColourWhite);
    ShowFields();
}
