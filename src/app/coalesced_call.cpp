#include "app/coalesced_call.h"

CoalescedCall::CoalescedCall(std::chrono::milliseconds interval, std::function<void()> call)
    : call(std::move(call))
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
    timer.start();
    call();
}
