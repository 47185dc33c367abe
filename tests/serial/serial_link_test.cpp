#include "serial/serial_link.h"

#include "platform/number_parsing.h"
#include "platform/serial_error_mask.h"
#include "reader-sim/raw_pty_master.h"
#include "resources/dialog_layouts.h"
#include "support/bound_by_file_modes.h"
#include "support/link_exchange.h"
#include "support/port_holder_process.h"
#include "support/pty_reader_fixture.h"
#include "support/recording_link_error_reporter.h"
#include "support/ser2net_server.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Opens a second descriptor of a device, which keeps its input queue (a last close drops it), and
// waits until count bytes wait in it; returns the descriptor.
int KeepOpenWithBytesWaiting(const QString& path, int count)
{
    const int keeper = ::open(path.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    int waiting = 0;
    EXPECT_TRUE(
        WaitUntil([&] { return ::ioctl(keeper, FIONREAD, &waiting) == 0 && waiting == count; }));
    return keeper;
}

class SerialLinkTest : public PtyReaderFixture
{
protected:
    void SetUp() override
    {
        PtyReaderFixture::SetUp();
        link.portName = SlavePath();
    }

    RecordingLinkErrorReporter reporter;
    SerialLink link;
};

} // namespace

TEST_F(SerialLinkTest, PortsThatCannotBeOpenedAreReportedWithTheReasonAndLeaveNoPort)
{
    SerialLink holder; // another open of a port keeps it from us
    holder.portName = SlavePath();
    holder.ConnectPort(reporter);
    ASSERT_TRUE(holder.receiveThread.IsRunning());
    RawPtyMaster otherPort;
    PortHolderProcess otherProgram(otherPort.SlavePath());
    ASSERT_TRUE(otherProgram.IsHolding());
    const QByteArray waiting = "0123456789ABCDEF\rwaiting";
    ASSERT_TRUE(otherPort.Write(waiting));
    RawPtyMaster silentDevice; // behind a raw server, where nothing answers telnet
    Ser2netServer silentServer(silentDevice.SlavePath(), "tcp");
    ASSERT_TRUE(silentServer.Start());
    // A port, and the second line of its message or how it begins (empty: no second line).
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("ttyOrvaneMissing7"), QStringLiteral("There is no such device")},
        {QString(), QStringLiteral("No port is set: choose the reader's port under Interface")},
        {QStringLiteral("/dev/"), QString()}, // not a terminal
        {SlavePath(), QStringLiteral("Another program is using the device.")},
        {otherPort.SlavePath(), QStringLiteral("Another program is using the device: sh (%1).")
                                    .arg(otherProgram.ProcessId())},
        {"telnet://127.0.0.1:2217", "The scheme 'telnet' is not known: use rfc2217:// or tcp://."},
        {"rfc2217://127.0.0.1", "The port number is missing: add ':' and the port number after"},
        {"tcp://:2217", "The host is missing before the port number."},
        {"rfc2217://127.0.0.1:65536", "The port number '65536' is not a number from 1 to 65535."},
        {"rfc2217://[::1]:" + QString::number(FreeLoopbackPort()), "The connection was refused"},
        {"tcp://orvane-missing.invalid:2217", "The host name could not be resolved."},
        {"rfc2217" + silentServer.PortName().mid(3), "The server did not answer within 3 seconds."},
    };
    for (const auto& [name, reason] : cases) {
        SCOPED_TRACE(name.toStdString());
        reporter.shown.clear();
        link.portName = name;
        link.connected = 1;
        link.ConnectPort(reporter);
        EXPECT_EQ(link.connected, 0);
        EXPECT_EQ(link.portHandle, nullptr);
        ASSERT_EQ(reporter.shown.size(), 1);
        const QStringList lines = reporter.shown[0].split(QLatin1Char('\n'));
        EXPECT_EQ(lines[0], name + QStringLiteral(" could not be opened!"));
        EXPECT_EQ(lines.size(), reason.isEmpty() ? 1 : 2);
        EXPECT_TRUE(lines.last().startsWith(reason)) << lines.last().toStdString();
    }
    // The refused opens left every byte to the holder.
    ::close(KeepOpenWithBytesWaiting(otherPort.SlavePath(), waiting.size()));
}

TEST_F(SerialLinkTest, ADeviceOnlyRootMayOpenPointsToTheUdevRuleInsteadOfAGroup)
{
    RawPtyMaster rootsOnly;
    const QByteArray node = rootsOnly.SlavePath().toLocal8Bit();
    if (::chown(node.constData(), 0, 0) != 0 || ::chmod(node.constData(), 0) != 0)
        GTEST_SKIP() << "only root can hand a device to root";
    link.portName = rootsOnly.SlavePath();
    RunBoundByFileModes([&] { link.ConnectPort(reporter); });
    EXPECT_EQ(reporter.shown,
              QStringList{link.portName + " could not be opened!\nOnly root may open "
                                          "it; see the README for a udev rule that gives the "
                                          "dialout group access."});
}

TEST_F(SerialLinkTest, OpenDiscardsBytesThatWaitedBeforeItAndEachCodeUnitGoesOutAsItsLowByte)
{
    ASSERT_TRUE(reader->SendRaw("STALE\r"));
    const int keeper = KeepOpenWithBytesWaiting(SlavePath(), 6);
    link.portName = SlavePath().sliced(QStringLiteral("/dev/").size()); // a name under /dev
    link.ConnectPort(reporter);
    ::close(keeper);
    ASSERT_EQ(link.connected, 1);
    ASSERT_TRUE(reader->SendRaw("FRESH\r"));
    const std::optional<CompletedLine> first = link.receiveThread.AwaitLine(kGenerousWait);
    EXPECT_EQ(first.value_or(CompletedLine{}).bytes, "FRESH\r\n");
    EXPECT_EQ(link.receiveThread.TakeTerminalLines().bytes, "FRESH\r\n");

    const QString text = QString::fromUtf16(u"A\u0100\u20AC\uFFFF") + QString(300, u'y');
    const QByteArray wire = QByteArray("A\0\xAC\xFF", 4) + QByteArray(300, 'y');
    EXPECT_EQ(link.WriteText(text), 0);
    ASSERT_TRUE(WaitUntil([&] { return reader->ReceivedBytes().size() >= wire.size(); }));
    EXPECT_EQ(reader->ReceivedBytes(), wire) << "nothing else was sent";
}

// ser2net gone while the link is open hangs the link up, as a pulled adapter does; once it serves
// again, the watch's reopening connects at the rate asked for and the reader answers.
TEST_F(SerialLinkTest, AServerThatGoesAwayHangsTheLinkUpAndTheLinkReopensOnceItIsBack)
{
    Ser2netServer server(SlavePath(), "rfc2217");
    ASSERT_TRUE(server.Start());
    link.portName = server.PortName();
    link.baudRate = 9600; // ser2net's own is 115200
    link.ConnectPort(reporter);
    server.Stop();
    ASSERT_TRUE(WaitUntil([&] { return link.receiveThread.DeviceHungUp(); }));
    link.ClosePort(reporter);
    ASSERT_TRUE(server.Start() && link.ReopenPort());
    EXPECT_EQ(reader->ClientLineSpeed(), 9600u);
    EXPECT_EQ(ExchangeOverLink(link, QStringLiteral("RD 2\r")), "1011121314151617\r\n");
}

TEST_F(SerialLinkTest, EveryOfferedRateIsPutIntoForceAndAClosedOrVanishedLinkSendsNothing)
{
    for (const QString& entry : InterfaceBaudRateEntries()) {
        SCOPED_TRACE(entry.toStdString());
        link.baudRate = ParseLeadingInt32(entry);
        link.ConnectPort(reporter);
        ASSERT_EQ(link.connected, 1);
        EXPECT_EQ(reader->ClientLineSpeed(), static_cast<std::uint32_t>(link.baudRate));
        EXPECT_EQ(ExchangeOverLink(link, QStringLiteral("RD 2\r")), "1011121314151617\r\n");
        link.ClosePort(reporter);
        EXPECT_EQ(link.WriteText(QStringLiteral("TOR\r")), SerialLink::kNoPort);
    }
    EXPECT_EQ(reader->ReceivedBytes(),
              QByteArray("RD 2\r").repeated(InterfaceBaudRateEntries().size()));
    link.ConnectPort(reporter);
    reader->Vanish();
    const std::int32_t status = link.WriteText(QStringLiteral("RD 1\r"));
    EXPECT_NE(status, SerialLink::kNoPort);
    EXPECT_NE(status & static_cast<std::int32_t>(kSerialErrorWrite), 0);
    link.ClosePort(reporter);
    EXPECT_EQ(link.portHandle, nullptr);
    EXPECT_TRUE(reporter.shown.isEmpty());
}
