#pragma once

#include <QObject>

#include <array>
#include <csignal>

class QSocketNotifier;

// Turns SIGTERM, SIGHUP and SIGINT into a Qt signal on the GUI thread: the handler only writes one
// byte to a pipe, and a socket notifier on the pipe's other end emits StopRequested when the event
// loop next runs. The signal mask is left alone, so programs the tool starts get the default
// handling of every signal. One instance at a time; create and destroy it on the GUI thread.
class StopSignalPipe final : public QObject
{
    Q_OBJECT
public:
    // Installs the handlers. Without a pipe (no descriptors left) the handlers stay as they were.
    StopSignalPipe();
    // Restores the handlers that were there before and closes the pipe.
    ~StopSignalPipe() override;
    StopSignalPipe(const StopSignalPipe&) = delete;
    StopSignalPipe& operator=(const StopSignalPipe&) = delete;

signals:
    // One or more of the signals arrived since the last emission.
    void StopRequested();

private:
    void Drain();

    static constexpr std::array<int, 3> kSignals{SIGTERM, SIGHUP, SIGINT};

    int readEnd = -1;
    int writeEnd = -1;
    QSocketNotifier* notifier = nullptr;
    std::array<struct sigaction, kSignals.size()> previous{};
};
