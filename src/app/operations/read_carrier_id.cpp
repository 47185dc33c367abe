#include "app/corvane_dlg.h"
#include "app/operations/operation_run.h"
#include "transponder/answer_judging.h"
#include "transponder/carrier_id_composition.h"
#include "transponder/carrier_id_length.h"
#include "transponder/command_exchange.h"
#include "transponder/reader_command.h"
#include "transponder/timeout_query.h"

namespace {

// Reads page 1, and page 2 when the carrier ID reaches into it, and shows the first L bytes. Only
// the page 1 answer is recorded. The field turns green only when every page read succeeded: a
// failed page 1 under a good page 2 would otherwise show its error text as a good carrier ID.
void ReadCarrierIdPages(COrvaneDlg& dialog, ExchangeContext& context)
{
    dialog.carrierIdField.SetBackgroundColor(kColourWhite, true);
    const ExchangeResult part1 = CommandExchange(context, ReadPageCommand(kFirstCarrierIdPage));
    PutAnswerRecord(context, part1);
    bool read = IsGoodPageAnswer(part1.kept);
    ExchangeResult part2;
    if (CarrierIdSpansTwoPages(dialog.carrierIdLength)) {
        part2 = CommandExchange(context, ReadPageCommand(kSecondCarrierIdPage));
        read = read && IsGoodPageAnswer(part2.kept);
    }
    dialog.carrierIdField.SetBackgroundColor(read ? kColourGreen : kColourRed, true);
    const QString carrierIdHex = CarrierIdFromPages(part1.kept, part2.kept, dialog.carrierIdLength);
    dialog.carrierIdText = PresentHex(carrierIdHex, dialog.displayFormat);
    dialog.UpdateData(false);
    dialog.carrierIdField.SetFocus();
}

} // namespace

void COrvaneDlg::ReadCarrierId()
{
    UpdateData(true);
    carrierIdLength = ClampCarrierIdLength(carrierIdLength);
    {
        OperationRun run(*this, ReceiveThread::Busy::Read);
        if (run.Connected()) {
            TimeoutQuery(run.Exchanges(), kReadCarrierIdTimeoutFactor);
            ReadCarrierIdPages(*this, run.Exchanges());
        }
    }
    if (serialLink.connected)
        UpdateData(false);
}
