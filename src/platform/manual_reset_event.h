#pragma once

#include <QString>
#include <chrono>
#include <condition_variable>
#include <mutex>

// An event that stays signalled from Set until Reset, waking every waiter; its name only labels
// it, so two events with one name are still two events and nothing is shared between processes.
class ManualResetEvent
{
public:
    static constexpr std::chrono::milliseconds kInfinite = std::chrono::milliseconds::max();

    explicit ManualResetEvent(QString name) : eventName(std::move(name)) {}

    const QString& Name() const { return eventName; }

    void Set();
    void Reset();

    // Returns true once the event is signalled, false if timeout passed first (kInfinite: never).
    bool Wait(std::chrono::milliseconds timeout);

    bool IsSet() const;
    // How many threads are in Wait now (they released the lock inside it): lets a test set the
    // event only once its waiters are really waiting.
    int Waiting() const;

private:
    QString eventName;
    mutable std::mutex mutex;
    std::condition_variable signalledChanged;
    bool signalled = false;
    int waiting = 0;
};
