#include "serial/port_probe.h"

#include "platform/serial_device.h"

bool ProbePort(const QString& devicePath)
{
    std::unique_ptr<SerialDevice> device = SerialDevice::Open(devicePath);
    if (!device)
        return false;
    device->Purge();
    device->Close();
    return true;
}
