#pragma once

#include "platform/manual_reset_event.h"
#include "platform/wake_signal.h"
#include "serial/published_line.h"
#include "serial/receive_line.h"
#include "serial/terminal_line_queue.h"

#include <QByteArray>
#include <atomic>
#include <chrono>
#include <cstdint>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

class SerialDevice;

// The worker that waits on an open port, assembles CR-ended lines and announces each one.
//
// Ownership: the GUI thread starts and stops it, holds the busy flags (through BusyScope) and
// waits for answers. While it runs, the worker reads the device and fills the line being assembled
// under receiveMutex, which DiscardReceived takes as well. A completed line reaches other threads
// as a copy taken under a lock (AwaitLine) and, while no operation is busy, through the terminal
// hand-off. The worker waits for the GUI thread only for the few reads of a discard, so Stop
// always returns. While nothing arrives the worker sleeps in one blocking wait that Stop's requests
// interrupt, so an idle port costs no wake-ups.
class ReceiveThread
{
public:
    // The most bytes taken from the device in one read.
    static constexpr std::size_t kReadChunk = 4096;

    // Which operation owns the terminal: a reading or a writing one.
    enum class Busy { Read, Write };

    // Holds one busy flag for its lifetime. While any busy flag is set, received lines go only to
    // AwaitLine, not to the terminal.
    class BusyScope
    {
    public:
        BusyScope(ReceiveThread& thread, Busy which);
        ~BusyScope();
        BusyScope(const BusyScope&) = delete;
        BusyScope& operator=(const BusyScope&) = delete;

    private:
        std::atomic<std::uint8_t>& flag;
    };

    ReceiveThread() = default;
    ~ReceiveThread();
    ReceiveThread(const ReceiveThread&) = delete;
    ReceiveThread& operator=(const ReceiveThread&) = delete;

    // Starts receiving from device, which must stay open until Stop returns. A running worker is kept.
    void Start(SerialDevice* device);

    // Pause handshake, then exit handshake, then join. Returns at once when no worker runs.
    void Stop();

    bool IsRunning() const { return worker.joinable(); }

    // True while an operation holds a busy flag: the terminal is the operation's.
    bool IsBusy() const;

    // Waits at most `wait` for a completed line. Returns a whole copy of the oldest line that
    // completed since the last discard and was not taken yet (so an answer followed at once by a
    // stray line is still the line taken, and the stray line waits for the next call); on a
    // timeout returns nothing and leaves a line that completes later for the next call.
    std::optional<CompletedLine> AwaitLine(std::chrono::milliseconds wait);

    // True when a completed line waits to be taken by AwaitLine.
    bool LineWaiting() const;

    // Before a command whose answer is awaited: forgets everything that came before it, the bytes
    // waiting in device (may be null), the line being assembled and a completed line nobody took,
    // all at once with respect to the worker. A line that completes afterwards is the answer.
    // Returns how many whole lines it forgot (a line cut off at its start is not counted).
    int DiscardReceived(SerialDevice* device);

    // GUI thread, before Start: called on the worker when received lines start waiting for the
    // terminal; the callee takes them with TakeTerminalLines on its own thread.
    void SetTerminalWake(std::function<void()> wake);

    // GUI thread, before Start: called once on the worker when the device hangs up, after the
    // bytes that arrived before it were taken.
    void SetHangUpWake(std::function<void()> wake) { hangUpWake = std::move(wake); }

    // True once the worker saw the device hang up, until the next Start of a worker.
    bool DeviceHungUp() const { return deviceHungUp != 0; }

    // Every line waiting for the terminal, oldest first (each ending CR LF).
    TerminalLines TakeTerminalLines();

private:
    void Run(SerialDevice* device);
    // Waits for input or a request; returns false once the device has hung up.
    bool ReceiveOnce(SerialDevice& device);
    // Reads what is waiting and assembles it; returns false when the read failed.
    bool ReadWaiting(SerialDevice& device);
    // Returns true when the byte completed a line.
    bool HandleByte(std::uint8_t byte);

    std::atomic<std::uint8_t> exitFlag{1};
    std::atomic<std::uint8_t> pauseFlag{0};
    std::atomic<std::uint8_t> readBusy{0};
    std::atomic<std::uint8_t> writeBusy{0};
    std::atomic<std::uint8_t> deviceHungUp{0};

    ManualResetEvent pauseEvent;
    ManualResetEvent exitEvent;
    ManualResetEvent lineEvent;
    WakeSignal requestSignal; // signalled after each change of pauseFlag or exitFlag

    ReceiveLine receiveLine;
    PublishedLine publishedLine;
    TerminalLineQueue terminalLines;
    std::function<void()> hangUpWake; // set before the worker starts, then only read by it

    std::mutex receiveMutex;
    std::thread worker;
};
