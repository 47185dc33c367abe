#include "serial/receive_thread.h"

#include "platform/serial_device.h"
#include "serial/thread_event_names.h"

ReceiveThread::ReceiveThread()
    : pauseEvent(ThreadEventNames::kPause), exitEvent(ThreadEventNames::kExit),
      lineEvent(ThreadEventNames::kLine)
{
}

ReceiveThread::~ReceiveThread()
{
    Stop();
}

void ReceiveThread::Start(SerialDevice* device)
{
    exitFlag = 0;
    pauseFlag = 0;
    if (!worker.joinable())
        worker = std::thread([this, device] { Run(device); });
}

void ReceiveThread::Stop()
{
    if (!worker.joinable())
        return;
    pauseFlag = 1;
    pauseEvent.Wait(ManualResetEvent::kInfinite);
    pauseEvent.Reset();
    exitFlag = 1;
    exitEvent.Wait(ManualResetEvent::kInfinite);
    exitEvent.Reset();
    worker.join();
    // The worker may have acknowledged the pause once more after the reset above; that stale
    // signal must not answer the next stop.
    pauseEvent.Reset();
}

void ReceiveThread::DiscardReceived(SerialDevice* device)
{
    std::lock_guard lock(receiveMutex);
    if (device != nullptr && device->IsOpen()) {
        for (std::uint32_t waiting = device->BytesWaiting().value_or(0); waiting > 0; --waiting)
            device->ReadByte();
    }
    receiveLine.DiscardCurrentLine();
    publishedLine.Drop();
    lineEvent.Reset();
}

void ReceiveThread::Run(SerialDevice* device)
{
    {
        std::lock_guard lock(receiveMutex);
        receiveLine.DiscardCurrentLine();
    }
    while (exitFlag == 0) {
        if (pauseFlag != 0) {
            pauseEvent.Set();
            std::this_thread::sleep_for(kPollPeriod);
        } else if (device == nullptr || !device->IsOpen()) {
            std::this_thread::sleep_for(kPollPeriod);
        } else {
            PollOnce(*device);
        }
    }
    exitEvent.Set();
}

void ReceiveThread::PollOnce(SerialDevice& device)
{
    bool ok = false;
    {
        std::lock_guard lock(receiveMutex);
        const SerialErrorStatus status = device.ClearError();
        if (status.ok && status.bytesWaiting > 0) {
            // No pause after a read: a burst is drained at full speed.
            if (const std::optional<std::uint8_t> byte = device.ReadByte())
                HandleByte(*byte);
            return;
        }
        ok = status.ok;
    }
    // Wait on the device rather than sleep blind, so an arriving byte is taken at once; a device
    // that hung up reports ready for ever, so then sleep out the period instead of spinning.
    if (!ok || device.WaitForInput(kPollPeriod) == InputState::HungUp)
        std::this_thread::sleep_for(kPollPeriod);
}

void ReceiveThread::HandleByte(std::uint8_t byte)
{
    const std::optional<QByteArray> line = receiveLine.AddByte(byte);
    if (!line)
        return;
    if (readBusy == 0 && writeBusy == 0)
        terminalLines.Push(QString::fromLatin1(*line));
    publishedLine.Publish({*line, receiveLine.lastLineCut});
    lineEvent.Set();
}
