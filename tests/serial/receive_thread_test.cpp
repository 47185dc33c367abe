#include "serial/receive_thread.h"

#include "platform/serial_device.h"
#include "support/pty_pair.h"
#include "support/wait_until.h"

#include <ctime>
#include <optional>
#include <gtest/gtest.h>
#include <thread>

using namespace std::chrono_literals;

namespace {

class ReceiveThreadTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        ASSERT_TRUE(pty.IsValid());
        device = SerialDevice::Open(pty.SlavePath());
        ASSERT_NE(device, nullptr);
        ASSERT_TRUE(device->ApplyLineSettings(MakeReaderLineSettings()));
        thread.SetTerminalWake([this] { ++wakes; });
    }

    void TearDown() override { thread.Stop(); }

    // Sends bytes and waits for the line event they cause; returns the published line.
    QByteArray SendLine(const QByteArray& bytes)
    {
        thread.DiscardReceived(device.get());
        if (!pty.Write(bytes))
            return "<not written>";
        const std::optional<CompletedLine> line = thread.AwaitLine(kGenerousWait);
        return line ? line->bytes : QByteArray("<no line event>");
    }

    PtyPair pty;
    std::unique_ptr<SerialDevice> device;
    ReceiveThread thread;
    std::atomic<int> wakes{0};
};

} // namespace

TEST_F(ReceiveThreadTest, BusyFlagsKeepLinesFromTheTerminalButStillSignal)
{
    const struct
    {
        const char* name;
        bool readBusy;
        bool writeBusy;
        bool shown;
    } cases[] = {
        {"idle", false, false, true},
        {"read busy", true, false, false},
        {"write busy", false, true, false},
        {"both busy", true, true, false},
    };
    thread.Start(device.get());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const int wakesBefore = wakes;
        std::optional<ReceiveThread::BusyScope> reading, writing;
        if (c.readBusy)
            reading.emplace(thread, ReceiveThread::Busy::Read);
        if (c.writeBusy)
            writing.emplace(thread, ReceiveThread::Busy::Write);
        EXPECT_EQ(SendLine("ACK\r"), "ACK\r\n");
        const QStringList expected =
            c.shown ? QStringList{QStringLiteral("ACK\r\n")} : QStringList{};
        EXPECT_EQ(thread.TakeTerminalLines(), expected);
        EXPECT_EQ(wakes - wakesBefore, c.shown ? 1 : 0);
    }
    thread.Stop();
    EXPECT_EQ(thread.LastLineText(), "ACK\r\n");
}

TEST_F(ReceiveThreadTest, StopReturnsWithoutAThreadOrWhileBytesKeepArriving)
{
    thread.Stop();
    thread.Start(device.get());
    std::atomic<bool> flooding{true};
    std::thread flood([&] {
        while (flooding)
            pty.Write("0123456789ABCDEF\r", 10ms);
    });
    ASSERT_TRUE(thread.AwaitLine(kGenerousWait));
    thread.Stop();
    thread.Stop();
    EXPECT_FALSE(thread.IsRunning());
    flooding = false;
    flood.join();

    device->Purge();
    thread.Start(device.get());
    EXPECT_EQ(SendLine("ACK\r"), "ACK\r\n");
}

TEST_F(ReceiveThreadTest, VanishedDeviceNeitherSpinsNorBlocksTheStop)
{
    thread.Start(device.get());
    EXPECT_EQ(SendLine("ACK\r"), "ACK\r\n");
    pty.Vanish();

    // A thread spinning on the hung-up device would burn about one core for the whole wait.
    const std::clock_t cpuBefore = std::clock();
    const auto wallBefore = std::chrono::steady_clock::now();
    std::this_thread::sleep_for(300ms);
    const double cpuSeconds = double(std::clock() - cpuBefore) / CLOCKS_PER_SEC;
    const double wallSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();
    EXPECT_LT(cpuSeconds, wallSeconds / 2);

    thread.Stop();
    EXPECT_FALSE(thread.IsRunning());
}
