#include "app/corvane_dlg.h"
#include "transponder/display_format.h"
#include "app/operations/page_field_colours.h"

void COrvaneDlg::RestoreDefaultContent()
{
    UpdateData(true);
    // The defaults are HEX pages whatever the format was; they replace the texts unconverted.
    pageRows.RestoreDefaultTexts();
    ShowSelectionPictures();
    SetAllPageFieldColours(*this, kColourWhite);
    carrierIdField.SetBackgroundColor(kColourWhite, true);
    if (displayFormat == DisplayFormat::Ascii)
        carrierIdText = AsciiToHex(carrierIdText);
    displayFormat = DisplayFormat::Hex;
    ShowFormatPictures();
    UpdateData(false);
}
