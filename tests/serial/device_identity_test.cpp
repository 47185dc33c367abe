#include "serial/device_identity.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(DeviceIdentity, UsbAdaptersDifferBySerialNumberAndAPlainPortIsItsPath)
{
    QTemporaryDir folder;
    const QString ttyClass = folder.filePath(QStringLiteral("class/tty"));
    // A terminal below a device's interface; a USB device (one with a serial number) carries
    // its identity in attribute files.
    const auto addTerminal = [&](const QString& name, const QString& device, const char* serial) {
        const QString port = folder.filePath(device + QStringLiteral("/interface/") + name);
        ASSERT_TRUE(QDir().mkpath(port) && QDir().mkpath(ttyClass + '/' + name));
        ASSERT_TRUE(QFile::link(port, ttyClass + '/' + name + QStringLiteral("/device")));
        if (*serial == 0)
            return;
        for (const auto& [attribute, value] :
             {std::pair{"idVendor", "0403"}, {"idProduct", "6001"}, {"serial", serial}}) {
            QFile file(folder.filePath(device + '/' + attribute));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(value) > 0);
        }
    };
    addTerminal(QStringLiteral("ttyUSB0"), QStringLiteral("usb1/1-1"), "A1\n");
    addTerminal(QStringLiteral("ttyUSB1"), QStringLiteral("usb1/1-2"), "B2\n");
    addTerminal(QStringLiteral("ttyS0"), QStringLiteral("platform/serial8250"), "");
    const DeviceIdentity first = ReadDeviceIdentity(QStringLiteral("/dev/ttyUSB0"), ttyClass);

    EXPECT_EQ(first, (DeviceIdentity{"/dev/ttyUSB0", "0403", "6001", "A1"}));
    EXPECT_EQ(ReadDeviceIdentity(QStringLiteral("/dev/ttyUSB1"), ttyClass).usbSerial, "B2");
    EXPECT_EQ(ReadDeviceIdentity(QStringLiteral("/dev/ttyS0"), ttyClass),
              (DeviceIdentity{"/dev/ttyS0", {}, {}, {}}));
    ASSERT_TRUE(QDir(ttyClass + QStringLiteral("/ttyUSB0")).removeRecursively());
    EXPECT_NE(ReadDeviceIdentity(QStringLiteral("/dev/ttyUSB0"), ttyClass), first)
        << "a pulled adapter is not the one that was there";
}
