#include "app/corvane_dlg.h"
#include "app/operations/operation_run.h"
#include "app/operations/page_field_colours.h"
#include "transponder/answer_judging.h"
#include "transponder/command_exchange.h"
#include "transponder/reader_command.h"
#include "transponder/timeout_query.h"

namespace {

// Locks the selected pages in page order until one is not acknowledged. Unselected and untried
// fields keep their colours.
void LockSelectedPages(COrvaneDlg& dialog, ExchangeContext& context)
{
    bool acknowledged = true;
    for (std::size_t index = 0; index < dialog.pageRows.rows.size() && acknowledged; ++index) {
        if (!dialog.pageRows.rows[index].selected)
            continue;
        SetPageFieldColour(dialog, index, kColourWhite);
        const ExchangeResult answer =
            CommandExchange(context, LockPageCommand(static_cast<int>(index) + 1));
        acknowledged = IsAcknowledged(answer.kept);
        SetPageFieldColour(dialog, index, acknowledged ? kColourGreen : kColourRed);
        PutAnswerRecord(context, answer);
    }
}

} // namespace

void COrvaneDlg::LockPages()
{
    UpdateData(true);
    {
        OperationRun run(*this, ReceiveThread::Busy::Read);
        if (run.Connected()) {
            TimeoutQuery(run.Exchanges(), kLockPagesTimeoutFactor);
            LockSelectedPages(*this, run.Exchanges());
        }
    }
    UpdateData(false);
}
