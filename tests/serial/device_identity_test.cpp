#include "serial/device_identity.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A terminal class folder whose entries hang below USB devices or a plain serial controller.
class DeviceIdentityTest : public ::testing::Test
{
protected:
    QString TtyClass() const { return folder.filePath(QStringLiteral("class/tty")); }

    // A terminal NAME below the device at devicePath; USB attributes there when vendor is set.
    void AddTerminal(const QString& name, const QString& devicePath, const QByteArray& vendor = {},
                     const QByteArray& serial = {})
    {
        const QString device = folder.filePath(devicePath);
        const QString port = device + QStringLiteral("/interface/") + name;
        ASSERT_TRUE(QDir().mkpath(port) && QDir().mkpath(TtyClass() + '/' + name));
        if (!vendor.isEmpty()) {
            WriteFile(device + QStringLiteral("/idVendor"), vendor);
            WriteFile(device + QStringLiteral("/idProduct"), "6001");
            WriteFile(device + QStringLiteral("/serial"), serial);
        }
        ASSERT_TRUE(QFile::link(port, TtyClass() + '/' + name + QStringLiteral("/device")));
    }

    static void WriteFile(const QString& path, const QByteArray& text)
    {
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text + '\n');
    }

    QTemporaryDir folder;
};

TEST_F(DeviceIdentityTest, UsbAdaptersDifferBySerialNumberAndAPlainPortIsItsPath)
{
    AddTerminal(QStringLiteral("ttyUSB0"), QStringLiteral("usb1/1-1"), "0403", "A1");
    AddTerminal(QStringLiteral("ttyUSB1"), QStringLiteral("usb1/1-2"), "0403", "B2");
    AddTerminal(QStringLiteral("ttyS0"), QStringLiteral("platform/serial8250"));
    const DeviceIdentity first = ReadDeviceIdentity(QStringLiteral("/dev/ttyUSB0"), TtyClass());

    EXPECT_EQ(first, (DeviceIdentity{QStringLiteral("/dev/ttyUSB0"), QStringLiteral("0403"),
                                     QStringLiteral("6001"), QStringLiteral("A1")}));
    EXPECT_EQ(ReadDeviceIdentity(QStringLiteral("/dev/ttyUSB1"), TtyClass()).usbSerial,
              QStringLiteral("B2"));
    EXPECT_EQ(ReadDeviceIdentity(QStringLiteral("/dev/ttyS0"), TtyClass()),
              (DeviceIdentity{QStringLiteral("/dev/ttyS0"), {}, {}, {}}));

    ASSERT_TRUE(QDir(TtyClass() + QStringLiteral("/ttyUSB0")).removeRecursively());
    EXPECT_NE(ReadDeviceIdentity(QStringLiteral("/dev/ttyUSB0"), TtyClass()), first)
        << "a pulled adapter is not the one that was there";
}

} // namespace
