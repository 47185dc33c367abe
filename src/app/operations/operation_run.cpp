#include "app/operations/operation_run.h"

#include "app/corvane_dlg.h"

#include <QCoreApplication>
#include <QEvent>

OperationRun::OperationRun(COrvaneDlg& dialog, ReaderOperation operation)
    : dialog(dialog), scope(dialog.serialLink, operation, records, dialog.TimeoutUnit)
{
    dialog.terminal.outputText.clear();
    // Fields change colour without painting at once; a wait on the reader longer than a frame
    // paints all of them in one pass, so a fast reader costs no painting per page.
    scope.Exchanges().showProgress = [&dialog] {
        QCoreApplication::sendPostedEvents(dialog.GetSafeWidget(), QEvent::UpdateRequest);
    };
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
