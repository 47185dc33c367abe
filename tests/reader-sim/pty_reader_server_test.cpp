#include "reader-sim/pty_reader_server.h"

#include "platform/serial_device.h"
#include "support/wait_until.h"

#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

std::unique_ptr<SerialDevice> OpenClient(const QString& path)
{
    std::unique_ptr<SerialDevice> device = SerialDevice::Open(path);
    if (device && !device->ApplyLineSettings(MakeReaderLineSettings()))
        return nullptr;
    return device;
}

bool Send(SerialDevice& device, const QByteArray& bytes)
{
    for (char byte : bytes) {
        if (!device.WriteByte(static_cast<std::uint8_t>(byte)))
            return false;
    }
    return true;
}

// Collects bytes until a CR arrived or the bound passed.
QByteArray ReadLine(SerialDevice& device)
{
    QByteArray line;
    WaitUntil([&] {
        while (auto byte = device.ReadByte()) {
            line += static_cast<char>(*byte);
            if (*byte == '\r')
                return true;
        }
        return false;
    });
    return line;
}

} // namespace

TEST(PtyReaderServer, ServesEveryClientInTurnAndRecordsWhatItReceived)
{
    PtyReaderServer server;
    ASSERT_TRUE(server.Start());
    for (int round = 0; round < 3; ++round) {
        SCOPED_TRACE(round);
        server.ClearReceivedBytes();
        auto client = OpenClient(server.SlavePath());
        ASSERT_NE(client, nullptr);
        ASSERT_TRUE(Send(*client, "RD 1\r"));
        EXPECT_EQ(ReadLine(*client), "08090A0B0C0D0E0F\r");
        EXPECT_EQ(server.ReceivedBytes(), "RD 1\r");
        ASSERT_TRUE(server.SendRaw("BEEP\r"));
        EXPECT_EQ(ReadLine(*client), "BEEP\r");
        EXPECT_TRUE(client->Close());
    }
}

TEST(PtyReaderServer, PacedFaultyServerAnswersThroughItsSymlinkAndRemovesIt)
{
    QTemporaryDir directory;
    PtyServerOptions options;
    options.linkPath = directory.filePath(QStringLiteral("reader"));
    options.pacingBaud = 9600;
    options.latency = 5ms;
    PtyReaderServer server(ReaderEmulator{}, options);
    ASSERT_TRUE(server.Start());
    server.Configure([](ReaderEmulator& emulator) {
        ReaderFaults faults;
        faults.badUid = true;
        faults.answerDelay = 5ms;
        emulator.SetFaults(faults);
    });
    EXPECT_EQ(QFileInfo(options.linkPath).symLinkTarget(), server.SlavePath());
    auto client = OpenClient(options.linkPath);
    ASSERT_NE(client, nullptr);
    ASSERT_TRUE(Send(*client, "RUID\r"));
    EXPECT_EQ(ReadLine(*client), "XXXXXXXX\r");
    server.Stop();
    EXPECT_FALSE(QFileInfo::exists(options.linkPath));
}

TEST(PtyReaderServer, VanishHangsUpTheClientAndStartTwiceFails)
{
    PtyReaderServer server;
    ASSERT_TRUE(server.Start());
    EXPECT_FALSE(server.Start());
    auto client = OpenClient(server.SlavePath());
    ASSERT_NE(client, nullptr);
    server.Vanish();
    EXPECT_EQ(client->WaitForInput(kGenerousWait), InputState::HungUp);
    EXPECT_FALSE(client->WriteByte('T'));
    EXPECT_FALSE(server.SendRaw("late\r"));
}
