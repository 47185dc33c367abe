#include "app/main_window.h"
#include "app/operations/operation_run.h"
#include "transponder/operation_runs.h"
#include "ui/colours.h"

void MainWindow::LockPages()
{
    TakeFields();
    {
        OperationRun run(*this, ReaderOperation::LockPages);
        if (run.Connected()) {
            run.QueryTimeout();
            // Locks the selected pages in page order until one is not acknowledged. Unselected
            // and untried fields keep their colours.
            PageRunHooks hooks;
            hooks.starting = [&](int page) { SetPageFieldColour(page - 1, kColourWhite); };
            hooks.finished = [&](const ReaderStep& step) {
                SetPageFieldColour(step.page - 1, step.good ? kColourGreen : kColourRed);
            };
            LockPageRun(run.Exchanges(), model.pageRows.Selection(), hooks);
        }
    }
    ShowFields();
}
