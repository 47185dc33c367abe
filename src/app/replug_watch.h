#pragma once

#include <QTimer>
#include <chrono>
#include <functional>

// While a reader that hung up stays away: tries once a second to take it back, until an attempt
// succeeds or Stop. Nothing runs while it is not watching. GUI thread only.
class ReplugWatch
{
public:
    static constexpr std::chrono::seconds kInterval{1};

    // tryReopen returns true once the reader is back.
    explicit ReplugWatch(std::function<bool()> tryReopen);

    void Start() { timer.start(); }
    void Stop() { timer.stop(); }

private:
    QTimer timer;
    std::function<bool()> tryReopen;
};
