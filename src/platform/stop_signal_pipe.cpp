#include "platform/stop_signal_pipe.h"

#include <QSocketNotifier>

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

// The one thing a signal handler may reach: the pipe's write end, -1 while no pipe exists.
std::atomic<int> handlerWriteEnd{-1};
static_assert(std::atomic<int>::is_always_lock_free, "read from a signal handler");

void WriteSignalByte(int signalNumber)
{
    const int savedErrno = errno;
    const auto byte = static_cast<unsigned char>(signalNumber);
    // A full pipe already holds a pending request, so a failed write loses nothing.
    [[maybe_unused]] const ssize_t written = ::write(handlerWriteEnd.load(), &byte, 1);
    errno = savedErrno;
}

} // namespace

StopSignalPipe::StopSignalPipe()
{
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    readEnd = ends[0];
    writeEnd = ends[1];
    handlerWriteEnd.store(writeEnd);

    notifier = new QSocketNotifier(readEnd, QSocketNotifier::Read, this);
    connect(notifier, &QSocketNotifier::activated, this, &StopSignalPipe::Drain);

    struct sigaction action
    {
    };
    action.sa_handler = WriteSignalByte;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        ::sigaction(kSignals[i], &action, &previous[i]);
}

StopSignalPipe::~StopSignalPipe()
{
    if (notifier == nullptr)
        return;
    for (std::size_t i = 0; i < kSignals.size(); ++i)
        ::sigaction(kSignals[i], &previous[i], nullptr);
    handlerWriteEnd.store(-1);
    delete notifier;
    ::close(readEnd);
    ::close(writeEnd);
}

void StopSignalPipe::Drain()
{
    unsigned char bytes[16];
    while (::read(readEnd, bytes, sizeof bytes) > 0) {
    }
    emit StopRequested();
}
