#include "app/corvane_dlg.h"
#include "app/operations/operation_run.h"
#include "transponder/answer_judging.h"
#include "transponder/command_exchange.h"
#include "transponder/reader_command.h"
#include "transponder/timeout_query.h"

namespace {

// Shows the UID exactly as the reader sent it (at most 8 characters), whatever the display format.
void ReadUidAnswer(COrvaneDlg& dialog, ExchangeContext& context)
{
    const ExchangeResult answer = CommandExchange(context, ReadUidCommand());
    PutAnswerRecord(context, answer);
    dialog.uidText = answer.kept;
    dialog.uidField.SetBackgroundColor(IsGoodUidAnswer(answer.kept) ? kColourGreen : kColourRed,
                                       true);
    dialog.UpdateData(false);
    dialog.uidField.SetFocus();
}

} // namespace

void COrvaneDlg::ReadUid()
{
    UpdateData(true);
    {
        OperationRun run(*this, ReceiveThread::Busy::Read);
        if (run.Connected()) {
            uidField.SetBackgroundColor(kColourWhite, true);
            TimeoutQuery(run.Exchanges(), kReadUidTimeoutFactor);
            ReadUidAnswer(*this, run.Exchanges());
        }
    }
    if (serialLink.connected)
        UpdateData(false);
}
