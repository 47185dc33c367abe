#include "app/application.h"

#include "app/close_on_stop_signal.h"
#include "app/main_window.h"

#include <QGuiApplication>

void Application::Name()
{
    // The name, not a display name: Qt would append a display name to every window's title.
    QCoreApplication::setApplicationName(QStringLiteral("Orvane"));
    // On X11 the window's class is the application name, which the menu entry's StartupWMClass
    // names; on Wayland the window is matched to its menu entry by this id.
    QGuiApplication::setDesktopFileName(QStringLiteral(ORVANE_DESKTOP_ID));
}

int Application::Run()
{
    Name();
    MainWindow window;
    const CloseOnStopSignal closeOnStopSignal(window);
    window.exec();
    // Whatever the result, the run is over: the window is destroyed and nothing else runs.
    return 0;
}
