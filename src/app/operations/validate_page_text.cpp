#include "app/operations/validate_page_text.h"

#include "app/corvane_dlg.h"
#include "app/operations/page_field_colours.h"
#include "transponder/page_text_validation.h"

int ValidatePageText(COrvaneDlg& dialog, std::size_t index)
{
    SetPageFieldColour(dialog, index, kColourWhite);
    // The running operation's terminal records are not in the window yet; taking the fields over
    // must not bring back what the window shows instead.
    const QString terminalText = dialog.terminal.outputText;
    dialog.UpdateData(true);
    dialog.terminal.outputText = terminalText;
    const int faults = CountPageTextFaults(dialog.pageRows.rows[index].text, dialog.displayFormat);
    dialog.UpdateData(false);
    if (faults > 0)
        SetPageFieldColour(dialog, index, kColourRed);
    return faults;
}
