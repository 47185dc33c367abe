#include "app/corvane_dlg.h"
#include "app/operations/operation_run.h"
#include "transponder/operation_runs.h"

namespace {

// Shows the UID exactly as the reader sent it (at most 8 characters), whatever the display format.
void ReadUidAnswer(COrvaneDlg& dialog, ExchangeContext& context)
{
    const ReaderStep step = ReadUidRun(context);
    if (context.stopped)
        return;
    dialog.uidText = WithoutLineEnds(step.answer.kept);
    dialog.uidField.SetBackgroundColor(step.good ? kColourGreen : kColourRed, true);
    dialog.UpdateData(false);
    dialog.uidField.SetFocus();
}

} // namespace

void COrvaneDlg::ReadUid()
{
    UpdateData(true);
    {
        OperationRun run(*this, ReaderOperation::ReadUid);
        if (run.Connected()) {
            uidField.SetBackgroundColor(kColourWhite, true);
            run.QueryTimeout();
            ReadUidAnswer(*this, run.Exchanges());
        }
    }
    if (serialLink.connected)
        UpdateData(false);
}
