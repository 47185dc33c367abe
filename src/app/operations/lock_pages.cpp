#include "app/corvane_dlg.h"
#include "app/operations/operation_run.h"
#include "app/operations/page_field_colours.h"
#include "transponder/operation_runs.h"

namespace {

// Locks the selected pages in page order until one is not acknowledged. Unselected and untried
// fields keep their colours.
void LockSelectedPages(COrvaneDlg& dialog, ExchangeContext& context)
{
    PageRunHooks hooks;
    hooks.starting = [&](int page) { SetPageFieldColour(dialog, page - 1, kColourWhite); };
    hooks.finished = [&](const ReaderStep& step) {
        SetPageFieldColour(dialog, step.page - 1, step.good ? kColourGreen : kColourRed);
    };
    LockPageRun(context, dialog.pageRows.Selection(), hooks);
}

} // namespace

void COrvaneDlg::LockPages()
{
    UpdateData(true);
    {
        OperationRun run(*this, ReaderOperation::LockPages);
        if (run.Connected()) {
            run.QueryTimeout();
            LockSelectedPages(*this, run.Exchanges());
        }
    }
    UpdateData(false);
}
