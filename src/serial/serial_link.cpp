#include "serial/serial_link.h"

#include "serial/link_error_reporter.h"
#include "serial/link_messages.h"
#include "serial/open_failure_text.h"

#include "platform/network_port_name.h"
#include "platform/serial_error_mask.h"

namespace {

// Opens the local device name, purges both queues and applies settings.
SerialOpenResult OpenLocalDevice(const QString& name, const LineSettings& settings)
{
    SerialOpenResult opened = SerialDevice::TryOpen(name);
    if (!opened.device)
        return opened;
    opened.device->Purge();
    // A port that refuses the settings would send with whatever the device had and never collect
    // an answer; it counts as not opened instead.
    if (static_cast<std::int32_t>(settings.baudRate) <= 0 ||
        !opened.device->ApplyLineSettings(settings)) {
        opened.device->Close();
        opened.device.reset();
        opened.failure.reason = SerialOpenReason::BaudRateRefused;
    }
    return opened;
}

} // namespace

SerialLink::~SerialLink()
{
    // The worker must be gone before the device it polls is released.
    receiveThread.Stop();
}

SerialOpenResult SerialLink::OpenPort(const QString& name, std::int32_t rate)
{
    lineSettings.baudRate = static_cast<std::uint32_t>(rate);
    SerialOpenResult opened = IsNetworkPortName(name) ? SerialDevice::Connect(name, lineSettings)
                                                      : OpenLocalDevice(name, lineSettings);
    if (!opened.device)
        return opened;
    owedAnswers = {};
    unfinishedDrain.reset();
    receiveThread.Start(opened.device.get());
    return opened;
}

void SerialLink::ConnectPort(LinkErrorReporter& reporter)
{
    SerialOpenResult opened = OpenPort(portName, baudRate);
    portHandle = std::move(opened.device);
    if (portHandle) {
        connected = true;
        // Read while the device is there: a USB adapter's identity is gone once it is pulled.
        openedIdentity = ReadDeviceIdentity(SerialDevice::DevicePath(portName));
        return;
    }
    connected = false;
    const QString explanation = portName.isEmpty()
                                    ? LinkMessages::kNoPortSet
                                    : OpenFailureExplanation(opened.failure, baudRate);
    reporter.ShowLinkError(portName + LinkMessages::kCouldNotBeOpenedSuffix +
                           (explanation.isEmpty() ? QString() : QLatin1Char('\n') + explanation));
}

bool SerialLink::ReopenPort()
{
    if (portHandle || ReadDeviceIdentity(SerialDevice::DevicePath(portName)) != openedIdentity)
        return false;
    portHandle = OpenPort(portName, baudRate).device;
    connected = portHandle != nullptr;
    return connected;
}

void SerialLink::ClosePort(LinkErrorReporter& reporter)
{
    if (!portHandle)
        return;
    receiveThread.Stop();
    portHandle->Purge();
    if (!portHandle->Close()) {
        reporter.ShowLinkError(LinkMessages::kCannotClosePort);
        return;
    }
    portHandle.reset();
}

std::int32_t SerialLink::WriteText(const QString& text)
{
    if (!portHandle)
        return kNoPort;
    QByteArray bytes(text.size(), Qt::Uninitialized);
    for (qsizetype i = 0; i < text.size(); ++i)
        bytes[i] = static_cast<char>(text.at(i).unicode() & 0xFF);
    if (portHandle->Write(bytes))
        return 0;
    // The receive thread clears errors too and may have taken the write's bit already; the write
    // bit is added so a failure is never reported as 0.
    const SerialErrorStatus error = portHandle->ClearError();
    return error.ok || error.systemError == 0
               ? static_cast<std::int32_t>(error.errorMask | kSerialErrorWrite)
               : error.systemError;
}
