#include "app/operations/operation_run.h"

#include "app/corvane_dlg.h"
#include "transponder/reader_protocol.h"

#include <QCoreApplication>
#include <QEvent>

OperationRun::OperationRun(COrvaneDlg& dialog, ReaderOperation operation)
    : dialog(dialog), scope(dialog.serialLink, operation, records, dialog.TimeoutUnit),
      guard(
          *dialog.GetSafeWidget(), dialog.terminalWake,
          [&dialog] {
              dialog.terminalRefresh.Request();
              dialog.OnDeviceHangUp();
          },
          [this] { scope.Exchanges().stopped = true; })
{
    dialog.terminal.outputText.clear();
    // Fields change colour without painting at once; a wait on the reader longer than a frame
    // paints all of them in one pass, so a fast reader costs no painting per page.
    scope.Exchanges().showProgress = [&dialog] {
        QCoreApplication::sendPostedEvents(dialog.GetSafeWidget(), QEvent::UpdateRequest);
    };
    scope.Exchanges().whileWaiting = [this] { guard.Turn(); };
}

OperationRun::~OperationRun()
{
    if (scope.Exchanges().stopped)
        PutRecordOnTop(records, kStoppedRecord);
    // The busy flag clears right after this body and the guard's last turn, which shows no
    // received lines.
    dialog.terminal.outputText = records;
}

bool OperationRun::Connected() const
{
    return dialog.serialLink.connected;
}
