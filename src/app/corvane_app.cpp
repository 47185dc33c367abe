#include "app/corvane_app.h"

#include "app/close_on_stop_signal.h"
#include "app/corvane_dlg.h"

#include <QGuiApplication>

namespace {

const QString kApplicationTitle = QStringLiteral("Orvane");

} // namespace

void COrvaneApp::InitInstance()
{
    // The name, not a display name: Qt would append a display name to every window's title.
    QCoreApplication::setApplicationName(kApplicationTitle);
    // On X11 the window's class is the application name, which the menu entry's StartupWMClass
    // names; on Wayland the window is matched to its menu entry by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral(ORVANE_DESKTOP_ID));
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
