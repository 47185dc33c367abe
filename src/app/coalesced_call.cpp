#include "app/coalesced_call.h"

#include <QElapsedTimer>

CoalescedCall::CoalescedCall(std::chrono::milliseconds interval, std::function<void()> call)
    : interval(interval), call(std::move(call))
{
    timer.setSingleShot(true);
    timer.setInterval(interval);
    QObject::connect(&timer, &QTimer::timeout, [this] {
        if (requested)
            RunAndStartTimer();
    });
}

void CoalescedCall::Request()
{
    if (timer.isActive()) {
        requested = true;
        return;
    }
    RunAndStartTimer();
}

void CoalescedCall::RunAndStartTimer()
{
    requested = false;
    timer.start(interval);
    QElapsedTimer run;
    run.start();
    call();
    const std::chrono::milliseconds wait(kWaitPerRunTime * run.elapsed());
    if (wait > interval)
        timer.start(wait);
}
