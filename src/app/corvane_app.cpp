#include "app/corvane_app.h"

#include "app/close_on_stop_signal.h"
#include "app/corvane_dlg.h"
#include "controls/edit_message_names.h"
#include "framework/registered_messages.h"

#include <QGuiApplication>

namespace {

const QString kApplicationTitle = QStringLiteral("Orvane");

} // namespace

int COrvaneApp::Run()
{
    QGuiApplication::setApplicationDisplayName(kApplicationTitle);
    RegisterWindowMessage(kSendFieldMessageName);
    for (int number = kFirstNumberedEdit; number <= kLastNumberedEdit; ++number)
        RegisterWindowMessage(NumberedEditMessageName(number));

    COrvaneDlg dialog;
    const CloseOnStopSignal closeOnStopSignal(dialog);
    dialog.DoModal();
    // Whatever the result, the run is over: the window is destroyed and nothing else runs.
    return 0;
}
