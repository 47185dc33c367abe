#include "app/operations/operation_run.h"

#include "app/main_window.h"
#include "app/terminal_pane.h"
#include "transponder/reader_protocol.h"
#include "ui/terminal_output.h"

#include <QCoreApplication>
#include <QEvent>

namespace {

// The operations that change the transponder leave an empty terminal even without a port; the
// reading ones leave it as it was.
bool ClearsTerminalWithoutPort(ReaderOperation operation)
{
    return operation == ReaderOperation::WritePages || operation == ReaderOperation::LockPages ||
           operation == ReaderOperation::WriteCarrierId;
}

} // namespace

OperationRun::OperationRun(MainWindow& window, ReaderOperation operation)
    : window(window), connected(window.Link().connected),
      clearsTerminal(connected || ClearsTerminalWithoutPort(operation)),
      scope(window.Link(), operation, records, window.Model().timeoutUnit),
      guard(
          window, window.terminalWake,
          [&window] {
              window.terminalRefresh.Request();
              window.OnDeviceHangUp();
          },
          [this] { scope.Exchanges().stopped = true; })
{
    if (clearsTerminal)
        window.Widgets().terminalOutput->Clear();
    // Fields change colour without painting at once; a wait on the reader longer than a frame
    // paints all of them in one pass, so a fast reader costs no painting per page.
    scope.Exchanges().showProgress = [&window] {
        QCoreApplication::sendPostedEvents(&window, QEvent::UpdateRequest);
    };
    scope.Exchanges().whileWaiting = [this] { guard.Turn(); };
}

OperationRun::~OperationRun()
{
    if (scope.Exchanges().stopped)
        PutRecordOnTop(records, kStoppedRecord);
    // The busy flag clears right after this body and the guard's last turn, which shows no
    // received lines.
    if (clearsTerminal)
        ShowRecords(*window.Widgets().terminalOutput, records);
}
