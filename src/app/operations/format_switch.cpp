#include "app/main_window.h"
#include "transponder/display_format.h"
#include "ui/enter_field.h"

// Shows format as the active choice; when it is new, converts every page text and then the
// carrier ID, showing each and giving its field the focus (the carrier ID field keeps it).
void MainWindow::SwitchDisplayFormat(DisplayFormat format)
{
    TakeFields();
    const bool changed = model.displayFormat != format;
    model.displayFormat = format;
    ShowPictures();
    if (!changed)
        return;
    const auto convert = format == DisplayFormat::Hex ? AsciiToHex : HexToAscii;
    for (std::size_t index = 0; index < model.pageRows.rows.size(); ++index) {
        PageRow& row = model.pageRows.rows[index];
        row.text = convert(row.text);
        ShowFields();
        widgets.pageFields[index]->setFocus();
    }
    model.carrierIdText = convert(model.carrierIdText);
    ShowFields();
    widgets.carrierIdField->setFocus();
}

void MainWindow::OnHexClicked()
{
    SwitchDisplayFormat(DisplayFormat::Hex);
}

void MainWindow::OnAsciiClicked()
{
    SwitchDisplayFormat(DisplayFormat::Ascii);
}
