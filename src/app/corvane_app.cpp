#include "app/corvane_app.h"

#include "app/close_on_stop_signal.h"
#include "app/corvane_dlg.h"
#include "controls/edit_message_names.h"
#include "framework/registered_messages.h"

#include <QCoreApplication>

namespace {

const QString kApplicationTitle = QStringLiteral("Orvane");

} // namespace

void COrvaneApp::InitInstance()
{
    // The name, not a display name: Qt would append a display name to every window's title.
    QCoreApplication::setApplicationName(kApplicationTitle);
    RegisterWindowMessage(kSendFieldMessageName);
    for (int number = kFirstNumberedEdit; number <= kLastNumberedEdit; ++number)
        RegisterWindowMessage(NumberedEditMessageName(number));
}

int COrvaneApp::Run()
{
    InitInstance();
    COrvaneDlg dialog;
    const CloseOnStopSignal closeOnStopSignal(dialog);
    dialog.DoModal();
    // Whatever the result, the run is over: the window is destroyed and nothing else runs.
    return 0;
}
