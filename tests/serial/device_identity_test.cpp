#include "serial/device_identity.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

TEST(DeviceIdentity, UsbAdapterIsKnownByItsVendorProductAndSerialNumber)
{
    QTemporaryDir folder;
    const QString ttyClass = folder.filePath(QStringLiteral("class/tty"));
    // A terminal below a USB device's interface; the device carries its identity in attributes.
    const QString port = folder.filePath(QStringLiteral("usb1/1-1/interface/ttyUSB0"));
    ASSERT_TRUE(QDir().mkpath(port) && QDir().mkpath(ttyClass + QStringLiteral("/ttyUSB0")));
    ASSERT_TRUE(QFile::link(port, ttyClass + QStringLiteral("/ttyUSB0/device")));
    for (const auto& [attribute, value] :
         {std::pair{"idVendor", "0403"}, {"idProduct", "6001"}, {"serial", "A1\n"}}) {
        QFile file(folder.filePath(QStringLiteral("usb1/1-1/") + attribute));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(value) > 0);
    }
    const DeviceIdentity first = ReadDeviceIdentity(QStringLiteral("/dev/ttyUSB0"), ttyClass);

    EXPECT_EQ(first, (DeviceIdentity{"/dev/ttyUSB0", "0403", "6001", "A1"}));
    ASSERT_TRUE(QDir(ttyClass + QStringLiteral("/ttyUSB0")).removeRecursively());
    EXPECT_EQ(ReadDeviceIdentity(QStringLiteral("/dev/ttyUSB0"), ttyClass),
              (DeviceIdentity{"/dev/ttyUSB0", {}, {}, {}}))
        << "a pulled adapter is not the one that was there; a plain port is its path";
}
