#include "app/operations/operation_run.h"

#include "app/corvane_dlg.h"

OperationRun::OperationRun(COrvaneDlg& dialog, ReceiveThread::Busy busy)
    : dialog(dialog), busyScope(dialog.serialLink.receiveThread, busy),
      context{dialog.serialLink, records, dialog.TimeoutUnit}
{
    dialog.terminal.outputText.clear();
}

OperationRun::~OperationRun()
{
    // The busy flag clears right after this body; the GUI thread runs nothing in between.
    dialog.terminal.outputText = records;
}

bool OperationRun::Connected() const
{
    return dialog.serialLink.connected;
}
