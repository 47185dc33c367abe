#include "cli/stop_signals.h"

#include <atomic>
#include <cerrno>
#include <csignal>
#include <iterator>
#include <unistd.h>

namespace {

// A signal handler can reach nothing but a global; lock-free, so the handler may store to it.
std::atomic<int> firstStopSignal{0};
static_assert(std::atomic<int>::is_always_lock_free, "written from a signal handler");

constexpr int kStopSignals[] = {SIGINT, SIGTERM, SIGHUP};
struct sigaction previousActions[std::size(kStopSignals)];

constexpr char kStoppingLine[] =
    "orvane-cli: stopping after the exchange in flight (once more: at once)\n";

void NoteStopSignal(int signalNumber)
{
    const int savedErrno = errno;
    int none = 0;
    firstStopSignal.compare_exchange_strong(none, signalNumber);
    [[maybe_unused]] const ssize_t written =
        ::write(STDERR_FILENO, kStoppingLine, sizeof kStoppingLine - 1);
    errno = savedErrno;
    // The next stop signal gets the default action and ends the program at once.
    for (const int stopSignal : kStopSignals)
        std::signal(stopSignal, SIG_DFL);
}

} // namespace

CaughtStopSignals::CaughtStopSignals()
{
    firstStopSignal = 0;
    struct sigaction action
    {
    };
    action.sa_handler = NoteStopSignal;
    sigemptyset(&action.sa_mask);
    for (const int stopSignal : kStopSignals)
        sigaddset(&action.sa_mask, stopSignal);
    action.sa_flags = SA_RESTART;
    for (std::size_t index = 0; index < std::size(kStopSignals); ++index)
        ::sigaction(kStopSignals[index], &action, &previousActions[index]);
}

CaughtStopSignals::~CaughtStopSignals()
{
    for (std::size_t index = 0; index < std::size(kStopSignals); ++index)
        ::sigaction(kStopSignals[index], &previousActions[index], nullptr);
}

int StopSignalReceived()
{
    return firstStopSignal.load();
}
