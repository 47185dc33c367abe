#pragma once

#include <chrono>
#include <condition_variable>
#include <mutex>

// An event that stays signalled from Set until Reset, waking every waiter.
class ManualResetEvent
{
public:
    static constexpr std::chrono::milliseconds kInfinite = std::chrono::milliseconds::max();

    void Set();
    void Reset();

    // Returns true once the event is signalled, false if timeout passed first (kInfinite: never).
    bool Wait(std::chrono::milliseconds timeout);

    bool IsSet() const;
    // How many threads are in Wait now (they released the lock inside it): lets a test set the
    // event only once its waiters are really waiting.
    int Waiting() const;

private:
    mutable std::mutex mutex;
    std::condition_variable signalledChanged;
    bool signalled = false;
    int waiting = 0;
};
