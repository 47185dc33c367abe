#include "cli/stop_request.h"

#include <array>
#include <atomic>
#include <csignal>
#include <unistd.h>

namespace {

constexpr std::array<int, 3> kStopSignals{SIGINT, SIGTERM, SIGHUP};
constexpr int kSignalStatusBase = 128;

std::atomic<int> firstSignal{0};
std::array<struct sigaction, kStopSignals.size()> previous{};

extern "C" void NoteStopSignal(int signal)
{
    int none = 0;
    if (!firstSignal.compare_exchange_strong(none, signal))
        ::_exit(kSignalStatusBase + signal);
}

} // namespace

StopRequest::StopRequest()
{
    firstSignal = 0;
    struct sigaction action
    {
    };
    action.sa_handler = NoteStopSignal;
    sigemptyset(&action.sa_mask);
    for (std::size_t index = 0; index < kStopSignals.size(); ++index)
        ::sigaction(kStopSignals[index], &action, &previous[index]);
}

StopRequest::~StopRequest()
{
    for (std::size_t index = 0; index < kStopSignals.size(); ++index)
        ::sigaction(kStopSignals[index], &previous[index], nullptr);
}

int StopRequest::Signal() const
{
    return firstSignal.load();
}
