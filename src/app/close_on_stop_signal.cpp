#include "app/close_on_stop_signal.h"

#include "ui/cdialog_ex.h"

#include <QApplication>
#include <QDialog>
#include <QThread>
#include <QTimer>

CloseOnStopSignal::CloseOnStopSignal(CDialogEx& mainWindow)
    : window(mainWindow), windowLoopLevel(QThread::currentThread()->loopLevel() + 1)
{
    connect(&pipe, &StopSignalPipe::StopRequested, this, &CloseOnStopSignal::Advance);
    // A timer rather than a queued call, so that an operation's run holds it until it ends.
    retry.setSingleShot(true);
    retry.setInterval(0);
    connect(&retry, &QTimer::timeout, this, &CloseOnStopSignal::Advance);
}

void CloseOnStopSignal::Advance()
{
    QWidget* const top = QApplication::activeModalWidget();
    QWidget* const mainWidget = window.GetSafeWidget();
    if (top != nullptr && top != mainWidget) {
        if (auto* box = qobject_cast<QDialog*>(top))
            box->reject();
        else
            top->close();
    } else if (top != nullptr && QThread::currentThread()->loopLevel() == windowLoopLevel) {
        window.RequestClose();
        return;
    }
    // A box was closed, is closing or the window's run has not started yet: try again once the
    // event loop of whatever comes next runs (another box the handler opens is closed in turn).
    retry.start();
}
