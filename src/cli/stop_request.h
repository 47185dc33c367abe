#pragma once

// SIGINT, SIGTERM and SIGHUP as a request to stop that a run checks between its steps: the first
// one only notes the signal, a second one ends the program at once with 128 + its number. The
// handlers are installed while an instance lives (one at a time) and restored after.
class StopRequest
{
public:
    StopRequest();
    ~StopRequest();
    StopRequest(const StopRequest&) = delete;
    StopRequest& operator=(const StopRequest&) = delete;

    // The first stop signal that came, or 0 while none came.
    int Signal() const;
    bool Requested() const { return Signal() != 0; }
};
