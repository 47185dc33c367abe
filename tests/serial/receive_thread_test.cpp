#include "serial/receive_thread.h"

#include "platform/serial_device.h"
#include "reader-sim/raw_pty_master.h"
#include "support/wait_until.h"

#include <QFile>
#include <fcntl.h>
#include <gtest/gtest.h>
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

} // namespace

TEST(ReceiveThread, StopsWhileBytesKeepArrivingAndAfterAHangUpReportsItOnceAndSleeps)
{
    RawPtyMaster pty(O_NONBLOCK); // the flood must not block once nobody reads
    std::unique_ptr<SerialDevice> device = SerialDevice::Open(pty.SlavePath());
    ASSERT_TRUE(device && device->ApplyLineSettings(MakeReaderLineSettings()));
    ReceiveThread thread;
    std::atomic<pid_t> worker{0};
    std::atomic<int> hangUps{0};
    thread.SetHangUpWake([&] {
        worker = ::gettid();
        ++hangUps;
    });
    thread.Stop(); // without a thread
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
    thread.Start(device.get()); // a stopped thread starts again
    thread.DiscardReceived(device.get());
    ASSERT_TRUE(pty.Write("ACK\r"));
    EXPECT_EQ(thread.AwaitLine(kGenerousWait).value_or(CompletedLine{}).bytes, "ACK\r\n");
    ASSERT_TRUE(pty.Write("NEXT\r")); // a taken line leaves room for the next without a discard
    EXPECT_EQ(thread.AwaitLine(kGenerousWait).value_or(CompletedLine{}).bytes, "NEXT\r\n");
    pty.Close();
    // A worker that kept polling the hung-up device would always be running, never asleep.
    ASSERT_TRUE(WaitUntil([&] { return worker != 0 && ThreadState(worker) == 'S'; }));
    EXPECT_EQ(hangUps, 1);
    EXPECT_TRUE(thread.DeviceHungUp());
    thread.Stop();
}
