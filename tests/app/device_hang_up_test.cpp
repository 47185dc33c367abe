#include "app/window_fixture.h"

#include "resources/control_names.h"
#include "serial/link_messages.h"
#include "support/ser2net_server.h"
#include "support/wait_until.h"

#include <QCoreApplication>
#include <csignal>
#include <gtest/gtest.h>
#include <thread>

namespace {

// The window on a reader reached through a link, which a new reader takes over as a replugged
// adapter comes back at the same path.
class DeviceHangUpTest : public WindowFixture
{
protected:
    PtyServerOptions ServerOptions() const override { return {{}, 0, LinkPath()}; }
    QString LinkPath() const { return folder.filePath(QStringLiteral("reader")); }

    // Expects the one box a hang-up of port shows, once every event posted until it came has run.
    void ExpectOneDisconnectBox(const QString& port)
    {
        EXPECT_TRUE(ProcessEventsUntil([&] { return !MessagesShown().isEmpty(); }));
        QCoreApplication::processEvents();
        EXPECT_EQ(MessagesShown(), QStringList{port + LinkMessages::kWasDisconnectedSuffix});
    }
    void ExpectOneDisconnectBox() { ExpectOneDisconnectBox(LinkPath()); }
};

// Pulled while a read waits for page 2, then back at its path, read again and pulled while idle:
// each hang-up ends what was going on and is reported once, the reopening silently.
TEST_F(DeviceHangUpTest, HangUpsDuringAReadAndIdleAreReportedOnceAndTheDeviceBackIsRead)
{
    reader->Configure([](ReaderEmulator& emulator) { emulator.SetTimeoutValue(kTorAnswer); });
    WriteSettings("[Interface]\nPort=" + LinkPath().toUtf8() + "\nBaudrate=115200\n[Data]\n" +
                  Select({1, 2, 3}));
    MainWindow& window = Open();
    window.Model().timeoutUnit = kFirstTimeoutUnit;
    ASSERT_TRUE(window.Link().connected);
    {
        ScriptedReader scripted(*reader, Answering({{"RD 2", QByteArray()}}));
        std::thread unplug([this] {
            WaitUntil([this] { return reader->ReceivedBytes().contains("RD 2\r"); });
            reader->Vanish();
        });
        Press(ControlName::kReadButton);
        unplug.join();
    }
    ExpectOneDisconnectBox();
    EXPECT_FALSE(window.Link().connected);
    EXPECT_EQ(Colours()[0], u'G');
    EXPECT_NE(Colours()[2], u'G');

    PtyReaderFixture::SetUp(); // a new reader at the link's path
    reader->Configure([](ReaderEmulator& emulator) { emulator.SetTimeoutValue(kTorAnswer); });
    SetReaderPage(2, "0123456789ABCDEF");
    ASSERT_TRUE(ProcessEventsUntil([&] { return window.Link().connected; }));
    // The first read scaled the unit to this reader's 30 * 13 ms; a TOR on the reopened port
    // waits as long as the first did, or a late answer under load is taken for page 1's.
    window.Model().timeoutUnit = kFirstTimeoutUnit;
    Press(ControlName::kReadButton);
    EXPECT_EQ(Text(PageField(2)), QStringLiteral("0123456789ABCDEF"));
    EXPECT_EQ(Colours()[1], u'G');
    EXPECT_EQ(MessagesShown().size(), 1) << "none for the silent reopening";

    presenter.shown.clear();
    reader->Vanish();
    ExpectOneDisconnectBox();
    EXPECT_FALSE(window.Link().connected);
}

// The reader behind ser2net: the server killed while a read waits for page 2 ends the run with
// one box; once it listens again the watch reconnects and a read is green.
TEST_F(DeviceHangUpTest, AServerGoneDuringAReadIsReportedOnceAndReconnectedWhenBack)
{
    reader->Configure([](ReaderEmulator& emulator) { emulator.SetTimeoutValue(kTorAnswer); });
    Ser2netServer server(LinkPath(), "rfc2217");
    ASSERT_TRUE(server.Start());
    WriteSettings("[Interface]\nPort=" + server.PortName().toUtf8() + "\nBaudrate=9600\n[Data]\n" +
                  Select({1, 2, 3}));
    MainWindow& window = Open();
    window.Model().timeoutUnit = kFirstTimeoutUnit;
    ASSERT_TRUE(window.Link().connected);
    {
        ScriptedReader scripted(*reader, Answering({{"RD 2", QByteArray()}}));
        std::thread kill([this, pid = server.ProcessId()] {
            WaitUntil([this] { return reader->ReceivedBytes().contains("RD 2\r"); });
            ::kill(static_cast<pid_t>(pid), SIGKILL);
        });
        Press(ControlName::kReadButton);
        kill.join();
    }
    ExpectOneDisconnectBox(server.PortName());
    EXPECT_FALSE(window.Link().connected);
    EXPECT_EQ(Colours()[0], u'G');
    EXPECT_NE(Colours()[2], u'G');

    reader->Configure([](ReaderEmulator& emulator) { emulator.SetFaults({}); }); // not silent
    server.Stop();
    ASSERT_TRUE(server.Start());
    ASSERT_TRUE(ProcessEventsUntil([&] { return window.Link().connected; }));
    window.Model().timeoutUnit = kFirstTimeoutUnit;
    Press(ControlName::kReadButton);
    EXPECT_EQ(Colours().left(3), QStringLiteral("GGG"));
    EXPECT_EQ(MessagesShown().size(), 1) << "none for the silent reconnection";
}

} // namespace
