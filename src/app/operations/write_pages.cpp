#include "app/corvane_dlg.h"
#include "app/operations/operation_run.h"
#include "app/operations/page_field_colours.h"
#include "framework/message_boxes.h"
#include "transponder/carrier_id.h"
#include "transponder/page_row_table.h"
#include "transponder/operation_runs.h"
#include "transponder/page_text_validation.h"

namespace {

// Checks the text of page row index against the display format before it is written: takes the
// fields into the members (keeping the terminal text the running operation holds), counts the
// faults (in HEX, "a".."f" become upper case), shows the members, and leaves the field white when
// the text is valid, red when it is not. Returns true when it is valid.
bool ValidatePageText(COrvaneDlg& dialog, std::size_t index)
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
    return faults == 0;
}

// Writes the selected, non-empty pages in page order until one is not acknowledged. An invalid
// page is reported and skipped; the run goes on.
void WriteSelectedPages(COrvaneDlg& dialog, ExchangeContext& context)
{
    const auto dataFor = [&](int page) -> std::optional<QString> {
        const std::size_t index = static_cast<std::size_t>(page - 1);
        const PageRow& row = dialog.pageRows.rows[index];
        if (!row.selected || row.text.isEmpty())
            return std::nullopt;
        if (!ValidatePageText(dialog, index)) {
            AfxMessageBox(
                PageTextFaultMessage(kPageRows[index].pageLabel, row.text, dialog.displayFormat));
            return std::nullopt;
        }
        return HexFormOf(row.text, dialog.displayFormat);
    };
    PageRunHooks hooks;
    hooks.finished = [&](const ReaderStep& step) {
        SetPageFieldColour(dialog, step.page - 1, step.good ? kColourGreen : kColourRed);
        // Pages 1 and 2 hold the carrier ID, whose field is reset when either is written.
        if (step.page <= kSecondCarrierIdPage)
            dialog.carrierIdField.SetBackgroundColor(kColourWhite, true);
        dialog.UpdateData(false);
    };
    WritePageRun(context, dataFor, hooks);
}

} // namespace

void COrvaneDlg::WritePages()
{
    UpdateData(true);
    {
        OperationRun run(*this, ReaderOperation::WritePages);
        SetAllPageFieldColours(*this, kColourWhite);
        if (run.Connected()) {
            run.QueryTimeout();
            WriteSelectedPages(*this, run.Exchanges());
        }
    }
    UpdateData(false);
}
