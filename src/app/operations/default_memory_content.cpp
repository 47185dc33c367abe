#include "app/main_window.h"
#include "transponder/display_format.h"
#include "ui/colours.h"
#include "ui/enter_field.h"

void MainWindow::RestoreDefaultContent()
{
    TakeFields();
    // The defaults are HEX pages whatever the format was; they replace the texts unconverted.
    model.pageRows.RestoreDefaultTexts();
    SetAllPageFieldColours(kColourWhite);
    widgets.carrierIdField->SetBackgroundColor(kColourWhite);
    if (model.displayFormat == DisplayFormat::Ascii)
        model.carrierIdText = AsciiToHex(model.carrierIdText);
    model.displayFormat = DisplayFormat::Hex;
    ShowPictures();
    ShowFields();
}
