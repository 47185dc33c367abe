#include "app/ctamblor_dlg.h"
#include "transponder/answer_judging.h"
#include "transponder/command_exchange.h"
#include "transponder/reader_command.h"
#include "transponder/window_operation.h"

namespace {

// Shows the UID exactly as the reader sent it (at most 8 characters), whatever the display format.
void ReadUidAnswer(CTamblorDlg& dialog, ExchangeContext& context)
{
    const ExchangeResult answer = CommandExchange(context, ReadUidCommand());
    PutAnswerRecord(context, answer);
    dialog.uidText = WithoutLineEnds(answer.kept);
    dialog.uidField.SetBackgroundColor(IsGoodUidAnswer(answer) ? kColourGreen : kColourRed, true);
    dialog.UpdateData(false);
    dialog.uidField.SetFocus();
}

} // namespace

void CTamblorDlg::ReadUid()
{
    RunWindowOperation(
        *this, {.busyFlag = BusyFlag::Read,
                .timeoutFactor = kReadUidTimeoutFactor,
                .takeFields = [this] { UpdateData(true); },
                .beforeTimeoutQuery = [this] { uidField.SetBackgroundColor(kColourWhite, true); },
                .exchanges = [this](ExchangeContext& context) { ReadUidAnswer(*this, context); },
                .afterBusyCleared = [this] { ShowRecordsAfterARun(*this); }});
}
