#pragma once

// The stop signals of orvane-cli (SIGINT, SIGTERM, SIGHUP). The first one only notes itself, so
// the run finishes the exchange in flight and sends nothing more; its handler is then gone, so a
// second signal ends the program at once.

// Catches the stop signals while it lives (one at a time), forgetting any stop signal noted
// before; the handlers there were before come back when it goes.
class CaughtStopSignals
{
public:
    CaughtStopSignals();
    ~CaughtStopSignals();
    CaughtStopSignals(const CaughtStopSignals&) = delete;
    CaughtStopSignals& operator=(const CaughtStopSignals&) = delete;
};

// The first stop signal that arrived while they were caught; 0 while none did.
int StopSignalReceived();
