#include "platform/serial_device.h"

#include "platform/serial_error_mask.h"
#include "support/pty_pair.h"
#include "support/wait_until.h"

#include <QTemporaryDir>
#include <fcntl.h>
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

TEST(SerialDevice, BytesTravelBothWaysIncludingNulAndHighBytesAndReadsNeverBlock)
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
    EXPECT_EQ(device->BytesWaiting(), 0u);
}

TEST(SerialDevice, PurgeDiscardsWaitingInput)
{
    PtyPair pty;
    std::unique_ptr<SerialDevice> device = OpenConfigured(pty.SlavePath());
    ASSERT_NE(device, nullptr);
    ASSERT_TRUE(pty.Write("stale bytes"));
    ASSERT_TRUE(WaitUntil([&] { return device->BytesWaiting().value_or(0) == 11; }));
    ASSERT_TRUE(device->Purge());
    EXPECT_EQ(device->BytesWaiting(), 0u);
    EXPECT_EQ(device->ReadByte(), std::nullopt);
}

TEST(SerialDevice, AppliedSettingsAreInForceOnTheDevice)
{
    PtyPair pty;
    std::unique_ptr<SerialDevice> device = SerialDevice::Open(pty.SlavePath());
    ASSERT_NE(device, nullptr);
    LineSettings settings = MakeReaderLineSettings();
    settings.baudRate = 9600;
    ASSERT_TRUE(device->ApplyLineSettings(settings));
    settings.baudRate = 0;
    EXPECT_FALSE(device->ApplyLineSettings(settings));

    // The refused settings left the earlier ones in force.
    const int descriptor = ::open(pty.SlavePath().toLocal8Bit().constData(), O_RDONLY | O_NOCTTY);
    ASSERT_GE(descriptor, 0);
    termios attributes{};
    ASSERT_EQ(::tcgetattr(descriptor, &attributes), 0);
    ::close(descriptor);
    EXPECT_EQ(cfgetospeed(&attributes), static_cast<speed_t>(B9600));
    EXPECT_EQ(attributes.c_lflag & (ICANON | ECHO), 0u);
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
