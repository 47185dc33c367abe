#include "app/main_window.h"
#include "app/operations/operation_run.h"
#include "transponder/carrier_id.h"
#include "transponder/operation_runs.h"
#include "transponder/page_text_validation.h"
#include "ui/colours.h"
#include "ui/enter_field.h"
#include "ui/message_boxes.h"

namespace {

// Shows what the reader returned for a page of the area in the page's row, green when it equals
// what was written.
void ShowCheckedPage(MainWindow& window, const ReaderStep& check)
{
    const std::size_t index = static_cast<std::size_t>(check.page - 1);
    window.SetPageFieldColour(index, check.good ? kColourGreen : kColourRed);
    window.Model().pageRows.rows[index].text =
        PresentHex(WithoutLineEnds(check.answer.kept), window.Model().displayFormat);
    window.ShowFields();
    window.Widgets().pageFields[index]->setFocus();
}

// Checks the carrier ID text against the display format and the carrier ID length before it is
// written: takes the fields but keeps the carrier ID length the running operation brought into
// range, counts the faults (in HEX, "a".."f" become upper case), shows the model, and leaves the
// field white when the text is valid, red when it is not. Returns true when it is valid.
bool ValidateCarrierId(MainWindow& window)
{
    WindowModel& model = window.Model();
    EnterField* field = window.Widgets().carrierIdField;
    field->SetBackgroundColor(kColourWhite);
    const std::int32_t length = model.carrierIdLength;
    window.TakeFields();
    model.carrierIdLength = length;
    const int faults = CountCarrierIdFaults(model.carrierIdText, model.displayFormat, length);
    window.ShowFields();
    if (faults > 0)
        field->SetBackgroundColor(kColourRed);
    return faults == 0;
}

// Reads pages 1 and 2, puts the carrier ID over their first L bytes and writes both back, page 2
// only after page 1 checked good. Nothing is written when the carrier ID is not valid or when
// either read did not return a whole page of hexadecimal digits.
void WriteCarrierIdPages(MainWindow& window, ExchangeContext& context)
{
    const WindowModel& model = window.Model();
    const int length = model.carrierIdLength;
    if (!ValidateCarrierId(window)) {
        ShowMessage(CarrierIdFaultMessage(length, model.carrierIdText, model.displayFormat));
        return;
    }
    const CarrierIdWriting writing =
        WriteCarrierIdRun(context, HexFormOf(model.carrierIdText, model.displayFormat), length,
                          [&](const ReaderStep& check) { ShowCheckedPage(window, check); });
    // After a page 1 mismatch the field stays white: the carrier ID was not written at all.
    if (writing.outcome != CarrierIdWriteOutcome::Page1Mismatch)
        window.Widgets().carrierIdField->SetBackgroundColor(
            writing.outcome == CarrierIdWriteOutcome::Written ? kColourGreen : kColourRed);
}

} // namespace

void MainWindow::WriteCarrierId()
{
    TakeFields();
    model.carrierIdLength = ClampCarrierIdLength(model.carrierIdLength);
    {
        OperationRun run(*this, ReaderOperation::WriteCarrierId);
        SetPageFieldColour(kFirstCarrierIdPage - 1, kColourWhite);
        SetPageFieldColour(kSecondCarrierIdPage - 1, kColourWhite);
        widgets.carrierIdField->SetBackgroundColor(kColourWhite);
        if (run.Connected()) {
            run.QueryTimeout();
            WriteCarrierIdPages(*this, run.Exchanges());
        }
    }
    ShowFields();
}
