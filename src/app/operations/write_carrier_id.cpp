#include "app/corvane_dlg.h"
#include "app/operations/operation_run.h"
#include "app/operations/page_field_colours.h"
#include "ui/message_boxes.h"
#include "transponder/carrier_id.h"
#include "transponder/operation_runs.h"
#include "transponder/page_text_validation.h"

namespace {

void WhitenCarrierIdFields(COrvaneDlg& dialog)
{
    SetPageFieldColour(dialog, kFirstCarrierIdPage - 1, kColourWhite);
    SetPageFieldColour(dialog, kSecondCarrierIdPage - 1, kColourWhite);
    dialog.carrierIdField.SetBackgroundColor(kColourWhite, true);
}

// Shows what the reader returned for a page of the area in the page's row, green when it equals
// what was written.
void ShowCheckedPage(COrvaneDlg& dialog, const ReaderStep& check)
{
    const std::size_t index = static_cast<std::size_t>(check.page - 1);
    SetPageFieldColour(dialog, index, check.good ? kColourGreen : kColourRed);
    dialog.pageRows.rows[index].text =
        PresentHex(WithoutLineEnds(check.answer.kept), dialog.displayFormat);
    dialog.UpdateData(false);
    FocusPageField(dialog, index);
}

// Checks the carrier ID text against the display format and the carrier ID length before it is
// written: takes the fields into the members but keeps the terminal text and the carrier ID length
// the running operation holds, counts the faults (in HEX, "a".."f" become upper case), shows the
// members, and leaves the field white when the text is valid, red when it is not. Returns true
// when it is valid.
bool ValidateCarrierId(COrvaneDlg& dialog)
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
    return faults == 0;
}

// Reads pages 1 and 2, puts the carrier ID over their first L bytes and writes both back, page 2
// only after page 1 checked good. Nothing is written when the carrier ID is not valid or when
// either read did not return a whole page of hexadecimal digits.
void WriteCarrierIdPages(COrvaneDlg& dialog, ExchangeContext& context)
{
    const int length = dialog.carrierIdLength;
    if (!ValidateCarrierId(dialog)) {
        AfxMessageBox(CarrierIdFaultMessage(length, dialog.carrierIdText, dialog.displayFormat));
        return;
    }
    const CarrierIdWriting writing =
        WriteCarrierIdRun(context, HexFormOf(dialog.carrierIdText, dialog.displayFormat), length,
                          [&](const ReaderStep& check) { ShowCheckedPage(dialog, check); });
    // After a page 1 mismatch the field stays white: the carrier ID was not written at all.
    if (writing.outcome != CarrierIdWriteOutcome::Page1Mismatch && !context.stopped)
        dialog.carrierIdField.SetBackgroundColor(
            writing.outcome == CarrierIdWriteOutcome::Written ? kColourGreen : kColourRed, true);
}

} // namespace

void COrvaneDlg::WriteCarrierId()
{
    UpdateData(true);
    carrierIdLength = ClampCarrierIdLength(carrierIdLength);
    {
        OperationRun run(*this, ReaderOperation::WriteCarrierId);
        WhitenCarrierIdFields(*this);
        if (run.Connected()) {
            run.QueryTimeout();
            WriteCarrierIdPages(*this, run.Exchanges());
        }
    }
    UpdateData(false);
}
