#pragma once

#include <QTimer>
#include <chrono>
#include <functional>

// Runs a call at most once per interval however often it is requested. GUI thread only.
//
// A request while idle runs the call at once and starts a single-shot timer; requests before the
// timer fires are folded into one run when it fires, which starts the timer again. Once an interval
// passes without a request the timer stays stopped, so nothing runs while nothing is requested.
// A run that takes longer than a third of the interval stretches the wait after it to three times
// its own length, so requests that keep coming for a costly call leave the thread mostly to other
// work.
class CoalescedCall
{
public:
    CoalescedCall(std::chrono::milliseconds interval, std::function<void()> call);

    void Request();

private:
    static constexpr int kWaitPerRunTime = 3;

    void RunAndStartTimer();

    QTimer timer;
    std::chrono::milliseconds interval;
    std::function<void()> call;
    bool requested = false;
};
