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
    if (timeout == kInfinite) {
        signalledChanged.wait(lock, [this] { return signalled; });
        return true;
    }
    return signalledChanged.wait_for(lock, timeout, [this] { return signalled; });
}

bool ManualResetEvent::IsSet() const
{
    std::lock_guard lock(mutex);
    return signalled;
}
