#include "serial/port_probe.h"

#include "platform/serial_device.h"

bool ProbePort(const QString& devicePath, const DeviceHolders& holders)
{
    std::unique_ptr<SerialDevice> device = SerialDevice::Open(devicePath, holders);
    return device != nullptr;
}
