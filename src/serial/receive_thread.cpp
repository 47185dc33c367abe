#include "serial/receive_thread.h"

#include "platform/serial_device.h"

#include <algorithm>
#include <array>

ReceiveThread::~ReceiveThread()
{
    Stop();
}

ReceiveThread::BusyScope::BusyScope(ReceiveThread& thread, Busy which)
    : flag(which == Busy::Write ? thread.writeBusy : thread.readBusy)
{
    flag = 1;
}

ReceiveThread::BusyScope::~BusyScope()
{
    flag = 0;
}

bool ReceiveThread::IsBusy() const
{
    return readBusy != 0 || writeBusy != 0;
}

std::optional<CompletedLine> ReceiveThread::AwaitLine(std::chrono::milliseconds wait)
{
    const auto deadline = std::chrono::steady_clock::now() + wait;
    for (;;) {
        // The event is reset before the lines are looked at, so a line published meanwhile sets
        // it again and is never missed.
        if (std::optional<CompletedLine> line = publishedLine.Take())
            return line;
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left < std::chrono::milliseconds::zero() || !lineEvent.Wait(left))
            return std::nullopt;
        lineEvent.Reset();
    }
}

bool ReceiveThread::LineWaiting() const
{
    return publishedLine.LineWaiting();
}

int ReceiveThread::DiscardReceived(SerialDevice* device)
{
    std::lock_guard lock(receiveMutex);
    int linesEnded = 0;
    if (device != nullptr && device->IsOpen()) {
        // Only what is waiting now: a reader that keeps sending cannot hold the discard.
        std::array<std::uint8_t, kReadChunk> chunk;
        for (std::size_t waiting = device->BytesWaiting().value_or(0); waiting > 0;) {
            const std::size_t read =
                device->ReadWaiting(chunk.data(), std::min(waiting, chunk.size())).value_or(0);
            if (read == 0)
                break;
            linesEnded += static_cast<int>(
                std::count(chunk.cbegin(), chunk.cbegin() + read, ReceiveLine::kCarriageReturn));
            waiting -= read;
        }
    }
    receiveLine.DiscardCurrentLine();
    const int published = publishedLine.Drop();
    lineEvent.Reset();
    return published + linesEnded;
}

void ReceiveThread::SetTerminalWake(std::function<void()> wake)
{
    terminalLines.SetWakeCallback(std::move(wake));
}

TerminalLines ReceiveThread::TakeTerminalLines()
{
    return terminalLines.TakeAll();
}

void ReceiveThread::Start(SerialDevice* device)
{
    exitFlag = 0;
    pauseFlag = 0;
    if (!worker.joinable()) {
        deviceHungUp = 0;
        worker = std::thread([this, device] { Run(device); });
    }
}

void ReceiveThread::Stop()
{
    if (!worker.joinable())
        return;
    pauseFlag = 1;
    requestSignal.Signal();
    pauseEvent.Wait(ManualResetEvent::kInfinite);
    pauseEvent.Reset();
    exitFlag = 1;
    requestSignal.Signal();
    exitEvent.Wait(ManualResetEvent::kInfinite);
    exitEvent.Reset();
    worker.join();
    // The worker may have acknowledged the pause once more after the reset above; that stale
    // signal must not answer the next stop.
    pauseEvent.Reset();
}

void ReceiveThread::Run(SerialDevice* device)
{
    {
        std::lock_guard lock(receiveMutex);
        receiveLine.DiscardCurrentLine();
    }
    bool deviceUp = true;
    while (exitFlag == 0) {
        if (pauseFlag != 0) {
            pauseEvent.Set();
            requestSignal.Wait();
        } else if (!deviceUp || device == nullptr || !device->IsOpen()) {
            // A hung-up device polls ready for ever; only a request can change anything now.
            requestSignal.Wait();
        } else if (!ReceiveOnce(*device)) {
            deviceUp = false;
            deviceHungUp = 1;
            if (hangUpWake)
                hangUpWake();
        }
    }
    exitEvent.Set();
}

bool ReceiveThread::ReceiveOnce(SerialDevice& device)
{
    switch (device.WaitForInputOrWake(requestSignal)) {
    case InputState::Woken:
        // Cleared before the flags are looked at again, so a request sent after this still wakes.
        requestSignal.Clear();
        return true;
    case InputState::Readable:
        if (!ReadWaiting(device))
            device.ClearError();
        return true;
    case InputState::HungUp:
        // Bytes that arrived before the hang-up still count.
        while (ReadWaiting(device)) {
        }
        device.ClearError();
        return false;
    case InputState::Idle:
        return true;
    }
    return true;
}

bool ReceiveThread::ReadWaiting(SerialDevice& device)
{
    std::array<std::uint8_t, kReadChunk> chunk;
    // Under the lock, so a discard never splits a read from the assembly of its bytes.
    std::lock_guard lock(receiveMutex);
    const std::optional<std::size_t> count = device.ReadWaiting(chunk.data(), chunk.size());
    if (!count || *count == 0)
        return false;
    bool completed = false;
    for (std::size_t i = 0; i < *count; ++i)
        completed = HandleByte(chunk[i]) || completed;
    // The terminal has the lines before they are announced; one signal for all the lines of a
    // read, as a waiter takes the first of them in any case.
    terminalLines.PushStaged();
    if (completed)
        lineEvent.Set();
    return true;
}

bool ReceiveThread::HandleByte(std::uint8_t byte)
{
    const std::optional<QByteArrayView> line = receiveLine.AddByte(byte);
    if (!line)
        return false;
    if (!IsBusy())
        terminalLines.Stage(*line);
    publishedLine.Publish(*line, receiveLine.lastLineCut);
    return true;
}
