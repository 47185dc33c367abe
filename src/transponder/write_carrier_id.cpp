#include "app/ctamblor_dlg.h"
#include "framework/message_boxes.h"
#include "transponder/answer_judging.h"
#include "transponder/carrier_id_composition.h"
#include "transponder/carrier_id_length.h"
#include "transponder/command_exchange.h"
#include "transponder/page_field_colours.h"
#include "transponder/reader_command.h"
#include "transponder/validate_carrier_id.h"
#include "transponder/validation_messages.h"
#include "transponder/window_operation.h"

namespace {

constexpr int kFirstCarrierIdPage = 1;
constexpr int kSecondCarrierIdPage = 2;

void WhitenCarrierIdFields(CTamblorDlg& dialog)
{
    SetPageFieldColour(dialog, kFirstCarrierIdPage - 1, kColourWhite);
    SetPageFieldColour(dialog, kSecondCarrierIdPage - 1, kColourWhite);
    dialog.carrierIdField.SetBackgroundColor(kColourWhite, true);
}

// Writes one page of the area, reads it back and shows what the reader returned in the page's
// row, green when it equals what was written. Returns whether it did.
bool WriteAndCheckPage(CTamblorDlg& dialog, ExchangeContext& context, int page,
                       const QString& pageHex)
{
    PutAnswerRecord(context, CommandExchange(context, WritePageCommand(page, pageHex)));
    const ExchangeResult check = CommandExchange(context, ReadPageCommand(page));
    PutAnswerRecord(context, check);
    const bool good = IsGoodPageAnswer(check) && check.kept == pageHex;
    const std::size_t index = static_cast<std::size_t>(page - 1);
    SetPageFieldColour(dialog, index, good ? kColourGreen : kColourRed);
    dialog.pageRows.rows[index].text =
        PresentHex(WithoutLineEnds(check.kept), dialog.displayFormat);
    dialog.UpdateData(false);
    FocusPageField(dialog, index);
    return good;
}

// Reads pages 1 and 2, puts the carrier ID over their first L bytes and writes both back, page 2
// only after page 1 checked good. Nothing is written when the carrier ID is not valid or when
// either read did not return a whole page of hexadecimal digits: a page composed from an error
// answer would overwrite the transponder's other data.
void WriteCarrierIdPages(CTamblorDlg& dialog, ExchangeContext& context)
{
    const int length = dialog.carrierIdLength;
    if (ValidateCarrierId(dialog) > 0) {
        dialog.carrierIdField.SetBackgroundColor(kColourRed, true);
        AfxMessageBox(CarrierIdFaultMessage(length, dialog.carrierIdText, dialog.displayFormat));
        return;
    }
    const ExchangeResult old1 = CommandExchange(context, ReadPageCommand(kFirstCarrierIdPage));
    PutAnswerRecord(context, old1);
    const ExchangeResult old2 = CommandExchange(context, ReadPageCommand(kSecondCarrierIdPage));
    const std::optional<CarrierIdPages> pages =
        IsGoodPageAnswer(old1) && IsGoodPageAnswer(old2)
            ? ComposeCarrierIdPages(HexFormOf(dialog.carrierIdText, dialog.displayFormat),
                                    old1.kept, old2.kept, length)
            : std::nullopt;
    if (!pages) {
        // Show both answers, so that the operator sees why nothing was written.
        PutAnswerRecord(context, old2);
        dialog.carrierIdField.SetBackgroundColor(kColourRed, true);
        return;
    }
    if (!WriteAndCheckPage(dialog, context, kFirstCarrierIdPage, pages->page1))
        return;
    const bool good = WriteAndCheckPage(dialog, context, kSecondCarrierIdPage, pages->page2);
    dialog.carrierIdField.SetBackgroundColor(good ? kColourGreen : kColourRed, true);
}

} // namespace

void CTamblorDlg::WriteCarrierId()
{
    RunWindowOperation(
        *this,
        {.busyFlag = BusyFlag::Write,
         .timeoutFactor = kWriteCarrierIdTimeoutFactor,
         .takeFields = [this] { UpdateData(true); },
         .afterFieldsTaken = [this] { carrierIdLength = ClampCarrierIdLength(carrierIdLength); },
         .beforeConnectedCheck = [this] { WhitenCarrierIdFields(*this); },
         .exchanges = [this](ExchangeContext& context) { WriteCarrierIdPages(*this, context); },
         .afterBusyCleared = [this] { UpdateData(false); }});
}
