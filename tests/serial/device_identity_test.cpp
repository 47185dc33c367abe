#include "serial/device_identity.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(DeviceIdentity, UsbAdapterIsKnownByItsSerialNumberAndAPlainPortByItsPath)
{
    QTemporaryDir folder;
    const QString ttyClass = folder.filePath(QStringLiteral("class/tty"));
    // A terminal below a device's interface; a USB device carries its identity in attribute files.
    const auto addTerminal = [&](const QString& name, const QString& device) {
        const QString port = folder.filePath(device + QStringLiteral("/interface/") + name);
        ASSERT_TRUE(QDir().mkpath(port) && QDir().mkpath(ttyClass + '/' + name));
        ASSERT_TRUE(QFile::link(port, ttyClass + '/' + name + QStringLiteral("/device")));
    };
    addTerminal(QStringLiteral("ttyUSB0"), QStringLiteral("usb1/1-1"));
    addTerminal(QStringLiteral("ttyS0"), QStringLiteral("platform/serial8250"));
    for (const auto& [attribute, value] :
         {std::pair{"idVendor", "0403"}, {"idProduct", "6001"}, {"serial", "A1\n"}}) {
        QFile file(folder.filePath(QStringLiteral("usb1/1-1/") + attribute));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(value) > 0);
    }
    const DeviceIdentity first = ReadDeviceIdentity(QStringLiteral("/dev/ttyUSB0"), ttyClass);

    EXPECT_EQ(first, (DeviceIdentity{"/dev/ttyUSB0", "0403", "6001", "A1"}));
    EXPECT_EQ(ReadDeviceIdentity(QStringLiteral("/dev/ttyS0"), ttyClass),
              (DeviceIdentity{"/dev/ttyS0", {}, {}, {}}));
    ASSERT_TRUE(QDir(ttyClass + QStringLiteral("/ttyUSB0")).removeRecursively());
    EXPECT_NE(ReadDeviceIdentity(QStringLiteral("/dev/ttyUSB0"), ttyClass), first)
        << "a pulled adapter is not the one that was there";
}
