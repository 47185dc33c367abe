#include "platform/serial_device.h"

#include "platform/line_speed.h"
#include "platform/serial_error_mask.h"
#include "support/pty_pair.h"
#include "support/wait_until.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <termios.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

std::unique_ptr<SerialDevice> OpenConfigured(const QString& path)
{
    std::unique_ptr<SerialDevice> device = SerialDevice::Open(path);
    if (device && !device->ApplyLineSettings(MakeReaderLineSettings()))
        return nullptr;
    return device;
}

} // namespace

TEST(SerialDevice, NamesBecomeDevicePathsAndOpenFailsForAbsentNonTerminalAndEmptyOnes)
{
    EXPECT_EQ(SerialDevice::DevicePath(QStringLiteral("ttyUSB0")), QStringLiteral("/dev/ttyUSB0"));
    EXPECT_EQ(SerialDevice::DevicePath(QStringLiteral("/tmp/reader")),
              QStringLiteral("/tmp/reader"));
    QTemporaryDir directory;
    QFile plain(directory.filePath(QStringLiteral("plain")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    for (const QString& name :
         {QStringLiteral("ttyOrvaneMissing0"), QString(), plain.fileName(), directory.path()}) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(SerialDevice::Open(name), nullptr);
    }
}

TEST(SerialDevice, SecondOpenOfAHeldPortFailsUntilTheFirstCloses)
{
    PtyPair pty;
    ASSERT_TRUE(pty.IsValid());
    std::unique_ptr<SerialDevice> first = SerialDevice::Open(pty.SlavePath());
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(SerialDevice::Open(pty.SlavePath()), nullptr);
    ASSERT_TRUE(first->Close());
    EXPECT_NE(SerialDevice::Open(pty.SlavePath()), nullptr);
}

TEST(SerialDevice, UucpLockOfAnotherLiveProcessKeepsThePortClosed)
{
    PtyPair pty;
    ASSERT_TRUE(pty.IsValid());
    const QString lockPath =
        QStringLiteral("/run/lock/LCK..") + QFileInfo(pty.SlavePath()).fileName();
    const int parent = static_cast<int>(::getppid());
    const struct
    {
        const char* name;
        QByteArray contents;
        bool opens;
    } cases[] = {
        {"ascii, live", QByteArray::number(parent).rightJustified(10) + '\n', false},
        {"binary, live", QByteArray(reinterpret_cast<const char*>(&parent), sizeof parent), false},
        {"ascii, process gone", "2147483647\n", true},
        {"this process", QByteArray::number(::getpid()) + '\n', true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        QFile lock(lockPath);
        if (!lock.open(QIODevice::WriteOnly))
            GTEST_SKIP() << "no UUCP lock folder to write to";
        lock.write(c.contents);
        lock.close();
        EXPECT_EQ(SerialDevice::Open(pty.SlavePath()) != nullptr, c.opens);
        lock.remove();
    }
}

TEST(SerialDevice, BytesTravelBothWaysIncludingNulAndHighBytesReadsNeverBlockAndPurgeDiscards)
{
    PtyPair pty;
    std::unique_ptr<SerialDevice> device = OpenConfigured(pty.SlavePath());
    ASSERT_NE(device, nullptr);
    EXPECT_EQ(device->ReadByte(), std::nullopt);
    EXPECT_EQ(device->WaitForInput(1ms), InputState::Idle);

    const QByteArray sent("\x00\x0D\x0A\xFF\x7F\x11\x13", 7);
    for (char byte : sent)
        ASSERT_TRUE(device->WriteByte(static_cast<std::uint8_t>(byte)));
    EXPECT_EQ(pty.Read(sent.size(), kGenerousWait), sent);

    ASSERT_TRUE(pty.Write(sent));
    EXPECT_EQ(device->WaitForInput(kGenerousWait), InputState::Readable);
    ASSERT_TRUE(WaitUntil([&] { return device->BytesWaiting().value_or(0) == sent.size(); }));
    QByteArray received;
    while (auto byte = device->ReadByte())
        received += static_cast<char>(*byte);
    EXPECT_EQ(received, sent);

    ASSERT_TRUE(pty.Write("stale bytes"));
    ASSERT_TRUE(WaitUntil([&] { return device->BytesWaiting().value_or(0) == 11; }));
    ASSERT_TRUE(device->Purge());
    EXPECT_EQ(device->ReadByte(), std::nullopt);
}

TEST(SerialDevice, AppliedSettingsAreInForceOnTheDeviceAndRefusedOnesChangeNothing)
{
    PtyPair pty;
    std::unique_ptr<SerialDevice> device = SerialDevice::Open(pty.SlavePath());
    ASSERT_NE(device, nullptr);
    LineSettings settings = MakeReaderLineSettings();
    settings.baudRate = 14400;
    ASSERT_TRUE(device->ApplyLineSettings(settings));
    settings.baudRate = 0;
    EXPECT_FALSE(device->ApplyLineSettings(settings));

    termios attributes{};
    ASSERT_EQ(::tcgetattr(pty.Master(), &attributes), 0);
    EXPECT_EQ(ReadLineSpeed(pty.Master()), 14400u);
    EXPECT_EQ(attributes.c_lflag & (ICANON | ECHO), 0u);
    EXPECT_EQ(attributes.c_iflag & (IXON | ICRNL | ISTRIP), 0u);
    EXPECT_EQ(attributes.c_oflag & OPOST, 0u);
    EXPECT_EQ(attributes.c_iflag & (IGNBRK | BRKINT), static_cast<tcflag_t>(IGNBRK));
}

TEST(SerialDevice, DriverRateWithinTwoPercentOfTheRequestIsCloseEnough)
{
    const struct
    {
        std::uint32_t requested;
        std::uint32_t actual;
        bool closeEnough;
    } cases[] = {
        {115200, 117504, true},    {115200, 117505, false}, {4000000, 3920000, true},
        {4000000, 3919999, false}, {14400, 0, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.requested << " " << c.actual);
        EXPECT_EQ(IsCloseEnoughLineSpeed(c.requested, c.actual), c.closeEnough);
    }
}

TEST(SerialDevice, VanishedDeviceReportsHangUpAndFailedWrites)
{
    PtyPair pty;
    std::unique_ptr<SerialDevice> device = OpenConfigured(pty.SlavePath());
    ASSERT_NE(device, nullptr);
    pty.Vanish();
    EXPECT_EQ(device->WaitForInput(kGenerousWait), InputState::HungUp);
    EXPECT_FALSE(device->WriteByte('A'));
    const SerialErrorStatus status = device->ClearError();
    EXPECT_NE(status.errorMask & kSerialErrorWrite, 0u);
    EXPECT_EQ(device->ClearError().errorMask, 0u) << "the mask is cleared by reading it";
    EXPECT_TRUE(device->Close());
}
