#include "platform/serial_device.h"

#include "platform/line_speed.h"
#include "reader-sim/raw_pty_master.h"

#include <QFileInfo>
#include <gtest/gtest.h>
#include <termios.h>
#include <unistd.h>

TEST(SerialDevice, UucpLockOfAnotherLiveProcessKeepsThePortClosed)
{
    RawPtyMaster pty;
    QFile lock(QStringLiteral("/run/lock/LCK..") + QFileInfo(pty.SlavePath()).fileName());
    const int parent = static_cast<int>(::getppid());
    const std::pair<QByteArray, bool> cases[] = {
        // the lock file, whether the port opens
        {QByteArray::number(parent).rightJustified(10) + '\n', false},              // ascii
        {QByteArray(reinterpret_cast<const char*>(&parent), sizeof parent), false}, // binary
        {"2147483647\n", true},                        // its process is gone
        {QByteArray::number(::getpid()) + '\n', true}, // this process's own
    };
    for (const auto& [contents, opens] : cases) {
        SCOPED_TRACE(contents.toHex().toStdString());
        if (!lock.open(QIODevice::WriteOnly | QIODevice::Truncate))
            GTEST_SKIP() << "no UUCP lock folder to write to";
        lock.write(contents);
        lock.close();
        EXPECT_EQ(SerialDevice::Open(pty.SlavePath()) != nullptr, opens);
    }
    lock.remove();
}

TEST(SerialDevice, AppliedSettingsAreInForceOnTheDeviceAndRefusedOnesChangeNothing)
{
    RawPtyMaster pty;
    std::unique_ptr<SerialDevice> device = SerialDevice::Open(pty.SlavePath());
    ASSERT_NE(device, nullptr);
    LineSettings settings = MakeReaderLineSettings();
    settings.baudRate = 14400;
    ASSERT_TRUE(device->ApplyLineSettings(settings));
    settings.baudRate = 0;
    EXPECT_FALSE(device->ApplyLineSettings(settings));

    termios attributes{};
    ASSERT_EQ(::tcgetattr(pty.Descriptor(), &attributes), 0);
    EXPECT_EQ(ReadLineSpeed(pty.Descriptor()), 14400u);
    EXPECT_EQ(attributes.c_lflag & (ICANON | ECHO), 0u);
    EXPECT_EQ(attributes.c_iflag & (IXON | ICRNL | ISTRIP), 0u);
    EXPECT_EQ(attributes.c_oflag & OPOST, 0u);
    EXPECT_EQ(attributes.c_iflag & (IGNBRK | BRKINT), static_cast<tcflag_t>(IGNBRK));
}

TEST(SerialDevice, DriverRateWithinTwoPercentOfTheRequestIsCloseEnough)
{
    for (const auto& [requested, actual, closeEnough] :
         std::initializer_list<std::tuple<std::uint32_t, std::uint32_t, bool>>{
             {115200, 117504, true},
             {115200, 117505, false},
             {4000000, 3920000, true},
             {4000000, 3919999, false},
             {14400, 0, false}})
        EXPECT_EQ(IsCloseEnoughLineSpeed(requested, actual), closeEnough) << actual;
}
