#pragma once

#include "platform/manual_reset_event.h"
#include "serial/published_line.h"
#include "serial/receive_line.h"
#include "serial/terminal_line_queue.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <thread>

class SerialDevice;

// The worker that polls an open port, assembles CR-ended lines and announces each one.
//
// Ownership: the GUI thread starts and stops it and owns the busy flags; the worker alone touches
// receiveLine while it runs (read it only while stopped). Completed lines reach other threads
// through publishedLine (then lineEvent is set) and, while neither busy flag is set, through
// terminalLines. The worker never waits for the GUI thread, so Stop always returns.
class ReceiveThread
{
public:
    static constexpr std::chrono::milliseconds kPollPeriod{5};

    ReceiveThread();
    ~ReceiveThread();
    ReceiveThread(const ReceiveThread&) = delete;
    ReceiveThread& operator=(const ReceiveThread&) = delete;

    // Starts polling device, which must stay open until Stop returns. A running worker is kept.
    void Start(SerialDevice* device);

    // Pause handshake, then exit handshake, then join. Returns at once when no worker runs.
    void Stop();

    bool IsRunning() const { return worker.joinable(); }

    std::atomic<std::uint8_t> exitFlag{1};
    std::atomic<std::uint8_t> pauseFlag{0};
    std::atomic<std::uint8_t> readBusy{0};
    std::atomic<std::uint8_t> writeBusy{0};

    ManualResetEvent pauseEvent;
    ManualResetEvent exitEvent;
    ManualResetEvent lineEvent;

    ReceiveLine receiveLine;
    PublishedLine publishedLine;
    TerminalLineQueue terminalLines;

private:
    void Run(SerialDevice* device);
    void PollOnce(SerialDevice& device);
    void HandleByte(std::uint8_t byte);

    std::thread worker;
};
