#pragma once

#include "platform/manual_reset_event.h"
#include "serial/published_line.h"
#include "serial/receive_line.h"
#include "serial/terminal_line_queue.h"

#include <atomic>
#include <chrono>
#include <cstdint>
#include <mutex>
#include <thread>

class SerialDevice;

// The worker that polls an open port, assembles CR-ended lines and announces each one.
//
// Ownership: the GUI thread starts and stops it and owns the busy flags. While it runs, the worker
// reads the device and fills receiveLine under receiveMutex, which DiscardReceived takes as well
// (read receiveLine directly only while stopped). Completed lines reach other threads through
// publishedLine (then lineEvent is set) and, while neither busy flag is set, through
// terminalLines. The worker waits for the GUI thread only for the few reads of a discard, so Stop
// always returns.
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

    // Before a command whose answer is awaited: forgets everything that came before it, the bytes
    // waiting in device (may be null), the line being assembled, the published line and the line
    // event, all at once with respect to the worker. A line that completes afterwards is the
    // command's answer.
    void DiscardReceived(SerialDevice* device);

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

    std::mutex receiveMutex;
    std::thread worker;
};
