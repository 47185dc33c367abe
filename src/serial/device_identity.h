#pragma once

#include <QString>

// What tells the reader's device from another one that later sits at the same path: for a USB
// adapter its vendor, product and serial number; for any other device its path alone.
struct DeviceIdentity
{
    QString path;
    QString usbVendor; // empty for a device that is not (or no longer) a USB adapter
    QString usbProduct;
    QString usbSerial;

    bool operator==(const DeviceIdentity&) const = default;
};

// The identity of the device at path now, found through ttyClass, the system's list of terminal
// devices. A device that is gone reads as one without USB fields.
DeviceIdentity ReadDeviceIdentity(const QString& path,
                                  const QString& ttyClass = QStringLiteral("/sys/class/tty"));
