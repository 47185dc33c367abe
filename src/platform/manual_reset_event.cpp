#include "platform/manual_reset_event.h"

void ManualResetEvent::Set()
{
    {
        std::lock_guard lock(mutex);
        signalled = true;
    }
    signalledChanged.notify_all();
}

void ManualResetEvent::Reset()
{
    std::lock_guard lock(mutex);
    signalled = false;
}

bool ManualResetEvent::Wait(std::chrono::milliseconds timeout)
{
    std::unique_lock lock(mutex);
    ++waiting;
    bool result = true;
    if (timeout == kInfinite)
        signalledChanged.wait(lock, [this] { return signalled; });
    else
        result = signalledChanged.wait_for(lock, timeout, [this] { return signalled; });
    --waiting;
    return result;
}

bool ManualResetEvent::IsSet() const
{
    std::lock_guard lock(mutex);
    return signalled;
}

int ManualResetEvent::Waiting() const
{
    std::lock_guard lock(mutex);
    return waiting;
}
