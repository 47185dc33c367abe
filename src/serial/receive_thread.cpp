#include "serial/receive_thread.h"

#include "platform/serial_device.h"
#include "serial/thread_event_names.h"

#include <array>

ReceiveThread::ReceiveThread()
    : pauseEvent(ThreadEventNames::kPause), exitEvent(ThreadEventNames::kExit),
      lineEvent(ThreadEventNames::kLine)
{
}

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

std::optional<QByteArray> ReceiveThread::AwaitLine(std::chrono::milliseconds wait)
{
    if (!lineEvent.Wait(wait))
        return std::nullopt;
    QByteArray line = publishedLine.TakeLine();
    lineEvent.Reset();
    return line;
}

bool ReceiveThread::LineWaiting() const
{
    return lineEvent.IsSet();
}

void ReceiveThread::DiscardLine()
{
    lineEvent.Reset();
}

void ReceiveThread::SetTerminalWake(std::function<void()> wake)
{
    terminalLines.SetWakeCallback(std::move(wake));
}

QStringList ReceiveThread::TakeTerminalLines()
{
    return terminalLines.TakeAll();
}

QByteArray ReceiveThread::LastLineText() const
{
    return receiveLine.Text();
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
    receiveLine.count = 0;
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
    const std::optional<std::size_t> count = device.ReadWaiting(chunk.data(), chunk.size());
    if (!count || *count == 0)
        return false;
    for (std::size_t i = 0; i < *count; ++i)
        HandleByte(chunk[i]);
    return true;
}

void ReceiveThread::HandleByte(std::uint8_t byte)
{
    const std::optional<QByteArray> line = receiveLine.AddByte(byte);
    if (!line)
        return;
    if (!IsBusy())
        terminalLines.Push(QString::fromLatin1(*line));
    publishedLine.Publish(*line);
    lineEvent.Set();
}
