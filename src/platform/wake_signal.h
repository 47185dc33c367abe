#pragma once

// A wake-up that one thread signals and another waits for in poll beside other descriptors.
//
// Signal may be called from any thread; Wait and Clear belong to the one waiting thread. A signal
// stays pending until Clear (or a Wait that returns), so one sent just before the waiter blocks is
// not lost.
class WakeSignal
{
public:
    WakeSignal();
    ~WakeSignal();
    WakeSignal(const WakeSignal&) = delete;
    WakeSignal& operator=(const WakeSignal&) = delete;

    void Signal();

    // Blocks until a signal is pending, then clears it.
    void Wait();

    // Clears a pending signal; returns at once when none is pending.
    void Clear();

    // The descriptor that polls readable while a signal is pending.
    int Descriptor() const { return descriptor; }

private:
    int descriptor = -1;
};
