#include "app/main_window.h"
#include "app/operations/operation_run.h"
#include "transponder/carrier_id.h"
#include "transponder/operation_runs.h"
#include "transponder/page_row_table.h"
#include "transponder/page_text_validation.h"
#include "ui/colours.h"
#include "ui/enter_field.h"
#include "ui/message_boxes.h"

namespace {

// Checks the text of page row index against the display format before it is written: takes the
// fields, counts the faults (in HEX, "a".."f" become upper case), shows the model, and leaves the
// field white when the text is valid, red when it is not. Returns true when it is valid.
bool ValidatePageText(MainWindow& window, std::size_t index)
{
    window.SetPageFieldColour(index, kColourWhite);
    window.TakeFields();
    WindowModel& model = window.Model();
    const int faults = CountPageTextFaults(model.pageRows.rows[index].text, model.displayFormat);
    window.ShowFields();
    if (faults > 0)
        window.SetPageFieldColour(index, kColourRed);
    return faults == 0;
}

// Writes the selected, non-empty pages in page order until one is not acknowledged. An invalid
// page is reported and skipped; the run goes on.
void WriteSelectedPages(MainWindow& window, ExchangeContext& context)
{
    const WindowModel& model = window.Model();
    const auto dataFor = [&](int page) -> std::optional<QString> {
        const std::size_t index = static_cast<std::size_t>(page - 1);
        const PageRow& row = model.pageRows.rows[index];
        if (!row.selected || row.text.isEmpty())
            return std::nullopt;
        if (!ValidatePageText(window, index)) {
            ShowMessage(
                PageTextFaultMessage(kPageRows[index].pageLabel, row.text, model.displayFormat));
            return std::nullopt;
        }
        return HexFormOf(row.text, model.displayFormat);
    };
    PageRunHooks hooks;
    hooks.finished = [&](const ReaderStep& step) {
        window.SetPageFieldColour(step.page - 1, step.good ? kColourGreen : kColourRed);
        // Pages 1 and 2 hold the carrier ID, whose field is reset when either is written.
        if (step.page <= kSecondCarrierIdPage)
            window.Widgets().carrierIdField->SetBackgroundColor(kColourWhite);
        window.ShowFields();
    };
    WritePageRun(context, dataFor, hooks);
}

} // namespace

void MainWindow::WritePages()
{
    TakeFields();
    {
        OperationRun run(*this, ReaderOperation::WritePages);
        SetAllPageFieldColours(kColourWhite);
        if (run.Connected()) {
            run.QueryTimeout();
            WriteSelectedPages(*this, run.Exchanges());
        }
    }
    ShowFields();
}
