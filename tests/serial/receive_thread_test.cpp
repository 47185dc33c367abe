#include "serial/receive_thread.h"

#include "platform/serial_device.h"
#include "support/pty_pair.h"
#include "support/wait_until.h"

#include <QFile>
#include <gtest/gtest.h>
#include <optional>
#include <thread>
#include <unistd.h>

namespace {

// The scheduling state of one of this process's threads: 'S' while it sleeps in a blocking wait.
char ThreadState(pid_t thread)
{
    QFile stat(QStringLiteral("/proc/self/task/%1/stat").arg(thread));
    const QByteArray text = stat.open(QIODevice::ReadOnly) ? stat.readAll() : QByteArray();
    const qsizetype nameEnd = text.lastIndexOf(')'); // "tid (name) state ..."
    return nameEnd > 0 && nameEnd + 2 < text.size() ? text[nameEnd + 2] : '?';
}

class ReceiveThreadTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        device = SerialDevice::Open(pty.SlavePath());
        ASSERT_TRUE(device && device->ApplyLineSettings(MakeReaderLineSettings()));
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
};

} // namespace

TEST_F(ReceiveThreadTest, StopReturnsWithoutAThreadOrWhileBytesKeepArriving)
{
    thread.Stop();
    thread.Start(device.get());
    std::atomic<bool> flooding{true};
    std::thread flood([&] {
        while (flooding) {
            pty.Write("0123456789ABCDEF\r");
            std::this_thread::yield();
        }
    });
    ASSERT_TRUE(thread.AwaitLine(kGenerousWait));
    thread.Stop();
    thread.Stop();
    EXPECT_FALSE(thread.IsRunning());
    flooding = false;
    flood.join();
    device->Purge();
    thread.Start(device.get());
    EXPECT_EQ(SendLine("ACK\r"), "ACK\r\n") << "a stopped thread starts again";
}

TEST_F(ReceiveThreadTest, VanishedDeviceIsReportedOnceThenSleepsUntilTheStop)
{
    std::atomic<pid_t> worker{0};
    std::atomic<int> hangUps{0};
    thread.SetHangUpWake([&] {
        worker = ::gettid();
        ++hangUps;
    });
    thread.Start(device.get());
    EXPECT_EQ(SendLine("ACK\r"), "ACK\r\n");
    pty.Vanish();

    // A worker that kept polling the hung-up device would always be running, never asleep.
    ASSERT_TRUE(WaitUntil([&] { return worker != 0 && ThreadState(worker) == 'S'; }));
    EXPECT_EQ(hangUps, 1);
    EXPECT_TRUE(thread.DeviceHungUp());
    thread.Stop();
    EXPECT_FALSE(thread.IsRunning());
}
