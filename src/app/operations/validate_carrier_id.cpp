#include "app/operations/validate_carrier_id.h"

#include "app/corvane_dlg.h"
#include "transponder/page_text_validation.h"

int ValidateCarrierId(COrvaneDlg& dialog)
{
    dialog.carrierIdField.SetBackgroundColor(kColourWhite, true);
    // The running operation has cleared the terminal and brought the length into range without
    // showing either yet; taking the fields over must not bring back what the window shows.
    const QString terminalText = dialog.terminal.outputText;
    const std::int32_t length = dialog.carrierIdLength;
    dialog.UpdateData(true);
    dialog.terminal.outputText = terminalText;
    dialog.carrierIdLength = length;
    const int faults = CountCarrierIdFaults(dialog.carrierIdText, dialog.displayFormat, length);
    dialog.UpdateData(false);
    if (faults > 0)
        dialog.carrierIdField.SetBackgroundColor(kColourRed, true);
    return faults;
}
