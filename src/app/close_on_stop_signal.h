#pragma once

#include "platform/stop_signal_pipe.h"

#include <QObject>

class QDialog;

// Ends the main window's run on SIGTERM, SIGHUP or SIGINT as its title-bar close box does. The
// close runs from the window's own event loop: an operation in progress finishes first, and each
// box open above the window is closed as by Escape before the window is asked to close. GUI thread
// only; create it before the window's modal run and destroy it after.
class CloseOnStopSignal final : public QObject
{
    Q_OBJECT
public:
    explicit CloseOnStopSignal(QDialog& window);

private:
    void Advance();

    QDialog& window;
    // The event loop depth of the window's modal run; a deeper loop belongs to a box above it.
    int windowLoopLevel;
    StopSignalPipe pipe;
};
