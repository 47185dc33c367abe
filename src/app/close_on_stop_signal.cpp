#include "app/close_on_stop_signal.h"

#include <QApplication>
#include <QDialog>
#include <QThread>
#include <QTimer>

CloseOnStopSignal::CloseOnStopSignal(QDialog& mainWindow)
    : window(mainWindow), windowLoopLevel(QThread::currentThread()->loopLevel() + 1)
{
    connect(&pipe, &StopSignalPipe::StopRequested, this, &CloseOnStopSignal::Advance);
}

void CloseOnStopSignal::Advance()
{
    QWidget* const top = QApplication::activeModalWidget();
    if (top != nullptr && top != &window) {
        if (auto* box = qobject_cast<QDialog*>(top))
            box->reject();
        else
            top->close();
    } else if (top != nullptr && QThread::currentThread()->loopLevel() == windowLoopLevel) {
        window.close();
        return;
    }
    // A box was closed, is closing or the window's run has not started yet: try again once the
    // event loop of whatever comes next runs (another box the handler opens is closed in turn).
    QTimer::singleShot(0, this, &CloseOnStopSignal::Advance);
}
