#include "app/operations/window_operation.h"

#include "app/corvane_dlg.h"

void RunWindowOperation(COrvaneDlg& dialog, const OperationSteps& steps)
{
    QString records;
    ExchangeContext context{dialog.serialLink, records, dialog.TimeoutUnit};
    OperationSteps windowSteps = steps;
    windowSteps.afterFieldsTaken = [&] {
        if (steps.afterFieldsTaken)
            steps.afterFieldsTaken();
        dialog.terminal.outputText.clear();
    };
    windowSteps.afterBusyCleared = [&] {
        dialog.terminal.outputText = records;
        if (steps.afterBusyCleared)
            steps.afterBusyCleared();
    };
    RunOperation(context, windowSteps);
}

void ShowRecordsAfterARun(COrvaneDlg& dialog)
{
    if (dialog.serialLink.connected != 0)
        dialog.UpdateData(false);
}
