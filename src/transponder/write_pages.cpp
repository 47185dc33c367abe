#include "app/ctamblor_dlg.h"
#include "framework/message_boxes.h"
#include "transponder/answer_judging.h"
#include "transponder/command_exchange.h"
#include "transponder/page_field_colours.h"
#include "transponder/page_row_table.h"
#include "transponder/reader_command.h"
#include "transponder/validate_page_text.h"
#include "transponder/validation_messages.h"
#include "transponder/window_operation.h"

namespace {

// Pages 1 and 2 hold the carrier ID, whose field is reset when either is written.
constexpr int kLastCarrierIdPage = 2;

// Writes the selected, non-empty pages in page order until one is not acknowledged. An invalid
// page is reported and skipped; the run goes on.
void WriteSelectedPages(CTamblorDlg& dialog, ExchangeContext& context)
{
    bool acknowledged = true;
    for (std::size_t index = 0; index < dialog.pageRows.rows.size() && acknowledged; ++index) {
        const PageRow& row = dialog.pageRows.rows[index];
        if (row.selected != 1 || row.text.isEmpty())
            continue;
        if (ValidatePageText(dialog, index) > 0) {
            SetPageFieldColour(dialog, index, kColourRed);
            AfxMessageBox(
                PageTextFaultMessage(kPageRows[index].pageLabel, row.text, dialog.displayFormat));
            continue;
        }
        const int page = static_cast<int>(index) + 1;
        const ExchangeResult answer = CommandExchange(
            context, WritePageCommand(page, HexFormOf(row.text, dialog.displayFormat)));
        PutAnswerRecord(context, answer);
        acknowledged = IsAcknowledged(answer.kept);
        SetPageFieldColour(dialog, index, acknowledged ? kColourGreen : kColourRed);
        if (page <= kLastCarrierIdPage)
            dialog.carrierIdField.SetBackgroundColor(kColourWhite, true);
        dialog.UpdateData(false);
    }
}

} // namespace

void CTamblorDlg::WritePages()
{
    RunWindowOperation(
        *this,
        {.busyFlag = BusyFlag::Write,
         .timeoutFactor = kWritePagesTimeoutFactor,
         .takeFields = [this] { UpdateData(true); },
         .beforeConnectedCheck = [this] { SetAllPageFieldColours(*this, kColourWhite); },
         .exchanges = [this](ExchangeContext& context) { WriteSelectedPages(*this, context); },
         .afterBusyCleared = [this] { UpdateData(false); }});
}
