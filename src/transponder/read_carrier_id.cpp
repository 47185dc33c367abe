#include "app/ctamblor_dlg.h"
#include "transponder/answer_judging.h"
#include "transponder/carrier_id_composition.h"
#include "transponder/carrier_id_length.h"
#include "transponder/command_exchange.h"
#include "transponder/reader_command.h"
#include "transponder/window_operation.h"

namespace {

constexpr int kFirstCarrierIdPage = 1;
constexpr int kSecondCarrierIdPage = 2;

// Reads page 1, and page 2 when the carrier ID reaches into it, and shows the first L bytes. Only
// the page 1 answer is recorded. The field turns green only when every page read succeeded: a
// failed page 1 under a good page 2 would otherwise show its error text as a good carrier ID.
void ReadCarrierIdPages(CTamblorDlg& dialog, ExchangeContext& context)
{
    dialog.carrierIdField.SetBackgroundColor(kColourWhite, true);
    const ExchangeResult part1 = CommandExchange(context, ReadPageCommand(kFirstCarrierIdPage));
    PutAnswerRecord(context, part1);
    bool read = IsGoodPageAnswer(part1);
    ExchangeResult part2;
    if (CarrierIdSpansTwoPages(dialog.carrierIdLength)) {
        part2 = CommandExchange(context, ReadPageCommand(kSecondCarrierIdPage));
        read = read && IsGoodPageAnswer(part2);
    }
    dialog.carrierIdField.SetBackgroundColor(read ? kColourGreen : kColourRed, true);
    const QString carrierIdHex = CarrierIdFromPages(
        WithoutLineEnds(part1.kept), WithoutLineEnds(part2.kept), dialog.carrierIdLength);
    dialog.carrierIdText = PresentHex(carrierIdHex, dialog.displayFormat);
    dialog.UpdateData(false);
    dialog.carrierIdField.SetFocus();
}

} // namespace

void CTamblorDlg::ReadCarrierId()
{
    RunWindowOperation(
        *this,
        {.busyFlag = BusyFlag::Read,
         .timeoutFactor = kReadCarrierIdTimeoutFactor,
         .takeFields = [this] { UpdateData(true); },
         .afterFieldsTaken = [this] { carrierIdLength = ClampCarrierIdLength(carrierIdLength); },
         .exchanges = [this](ExchangeContext& context) { ReadCarrierIdPages(*this, context); },
         .afterBusyCleared = [this] { ShowRecordsAfterARun(*this); }});
}
