#include "serial/serial_link.h"

#include "platform/number_parsing.h"
#include "platform/serial_error_mask.h"
#include "resources/interface_dialog_template.h"
#include "support/link_exchange.h"
#include "support/port_holder_process.h"
#include "support/pty_reader_fixture.h"
#include "support/recording_link_error_reporter.h"
#include "support/wait_until.h"

#include "support/pty_pair.h"

#include <grp.h>
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace std::chrono_literals;

namespace {

constexpr uid_t kNobody = 65534;

class SerialLinkTest : public PtyReaderFixture
{
protected:
    void SetUp() override
    {
        PtyReaderFixture::SetUp();
        link.portName = SlavePath();
        link.baudRate = 115200;
    }

    // Sends a command and returns the answer line the receive thread published.
    QByteArray Exchange(const QString& command) { return ExchangeOverLink(link, command); }

    RecordingLinkErrorReporter reporter;
    SerialLink link;
};

QString Repeat(QChar c, int count)
{
    return QString(count, c);
}

// Runs ConnectPort in a child process that has become the user nobody, and returns the text it
// showed.
QString ConnectAsNobody(SerialLink& link)
{
    int output[2];
    if (::pipe(output) != 0)
        return QString();
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(output[0]);
        RecordingLinkErrorReporter childReporter;
        if (::setgroups(0, nullptr) == 0 && ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0)
            link.ConnectPort(childReporter);
        const QByteArray text = childReporter.shown.join(QLatin1Char('|')).toUtf8();
        const bool written = ::write(output[1], text.constData(), text.size()) == text.size();
        ::_exit(written ? 0 : 1);
    }
    ::close(output[1]);
    QByteArray text;
    char buffer[512];
    ssize_t got = 0;
    while ((got = ::read(output[0], buffer, sizeof buffer)) > 0)
        text.append(buffer, got);
    ::close(output[0]);
    ::waitpid(child, nullptr, 0);
    return QString::fromUtf8(text);
}

} // namespace

TEST_F(SerialLinkTest, PortsThatCannotBeOpenedAreReportedWithTheReasonAndLeaveNoPort)
{
    SerialLink holder; // a port held by another open cannot be opened either
    holder.portName = SlavePath();
    holder.ConnectPort(reporter);
    ASSERT_EQ(holder.connected, 1);
    PtyPair otherPort;
    PortHolderProcess otherProgram(otherPort.SlavePath());
    ASSERT_TRUE(otherProgram.IsHolding());
    const struct
    {
        QString name;
        std::int32_t rate;
        QString reason; // the second line, or how it begins; empty: no second line
    } cases[] = {
        {QStringLiteral("ttyOrvaneMissing7"), 9600, QStringLiteral("There is no such device")},
        {QString(), 9600, QString()},
        {SlavePath(), 9600, QStringLiteral("Another program is using the device.")},
        {otherPort.SlavePath(), 9600,
         QStringLiteral("Another program is using the device: sh (%1).")
             .arg(otherProgram.ProcessId())},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.toStdString());
        reporter.shown.clear();
        link.portName = c.name;
        link.baudRate = c.rate;
        link.connected = 1;
        link.ConnectPort(reporter);
        EXPECT_EQ(link.connected, 0);
        EXPECT_EQ(link.portHandle, nullptr);
        EXPECT_FALSE(link.receiveThread.IsRunning());
        ASSERT_EQ(reporter.shown.size(), 1);
        const QStringList lines = reporter.shown[0].split(QLatin1Char('\n'));
        EXPECT_EQ(lines[0], c.name + QStringLiteral(" could not be opened!"));
        EXPECT_EQ(lines.size(), c.reason.isEmpty() ? 1 : 2);
        EXPECT_TRUE(lines.last().startsWith(c.reason)) << lines.last().toStdString();
    }
}

TEST_F(SerialLinkTest, PortAnotherProgramHoldsWithoutALockIsNotOpenedAndKeepsItsWaitingBytes)
{
    PortHolderProcess holder(SlavePath());
    ASSERT_TRUE(holder.IsHolding());
    const QByteArray waiting = "0123456789ABCDEF\rwaiting";
    ASSERT_TRUE(reader->SendRaw(waiting));
    link.ConnectPort(reporter);
    EXPECT_EQ(link.connected, 0);
    EXPECT_EQ(reporter.shown.size(), 1);
    EXPECT_EQ(holder.Read(waiting.size()), waiting);
}

TEST_F(SerialLinkTest, RefusedLineSettingsCloseThePortAndReportItNotOpened)
{
    for (std::int32_t rate : {0, -9600}) {
        SCOPED_TRACE(rate);
        reporter.shown.clear();
        link.baudRate = rate;
        link.ConnectPort(reporter);
        EXPECT_EQ(link.connected, 0);
        EXPECT_EQ(link.portHandle, nullptr);
        EXPECT_FALSE(link.receiveThread.IsRunning());
        EXPECT_EQ(reporter.shown,
                  QStringList{SlavePath() +
                              QStringLiteral(" could not be opened!\nThe baud rate %1 is not "
                                             "valid: it must be above 0.")
                                  .arg(rate)});
        link.ClosePort(reporter);
        EXPECT_EQ(reporter.shown.size(), 1) << "closing without a port shows nothing";
    }
    // The refused port was released, not left held.
    link.baudRate = 9600;
    link.ConnectPort(reporter);
    EXPECT_EQ(link.connected, 1);
}

TEST_F(SerialLinkTest, PortWhoseModeKeepsTheUserOutNamesItsGroup)
{
    const group* dialout = ::getgrnam("dialout");
    if (::geteuid() != 0 || dialout == nullptr)
        GTEST_SKIP() << "needs root to become nobody, and a group 'dialout'";
    const QByteArray slave = SlavePath().toLocal8Bit();
    ASSERT_EQ(::chown(slave.constData(), static_cast<uid_t>(-1), dialout->gr_gid), 0);
    ASSERT_EQ(::chmod(slave.constData(), 0), 0);

    const QString shown = ConnectAsNobody(link);

    EXPECT_EQ(shown, SlavePath() + QStringLiteral(" could not be opened!\nPermission denied: the "
                                                  "device belongs to the group 'dialout' and you "
                                                  "are not in it; add yourself to the group "
                                                  "'dialout' and log in again."));
}

TEST_F(SerialLinkTest, EachCodeUnitGoesOutAsItsLowByte)
{
    link.ConnectPort(reporter);
    ASSERT_EQ(link.connected, 1);
    const struct
    {
        const char* name;
        QString text;
        QByteArray wire;
    } cases[] = {
        {"empty", QString(), QByteArray()},
        {"euro sign", QString(QChar(0x20AC)), QByteArray("\xAC")},
        {"mixed", QStringLiteral("A") + QChar(0x0100) + QChar(0x00E4) + QChar(0xFFFF),
         QByteArray("A\x00\xE4\xFF", 4)},
        {"300 units", Repeat(QLatin1Char('y'), 300), QByteArray(300, 'y')},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        reader->ClearReceivedBytes();
        EXPECT_EQ(link.WriteText(c.text), 0);
        ASSERT_TRUE(WaitUntil([&] { return reader->ReceivedBytes().size() >= c.wire.size(); }));
        EXPECT_EQ(reader->ReceivedBytes(), c.wire);
    }
}

TEST_F(SerialLinkTest, OpenDiscardsBytesThatWaitedBeforeItThenExchanges)
{
    ASSERT_TRUE(reader->SendRaw("STALE\r"));
    {
        // Let the stale line land in the device's input queue before the link opens it.
        std::unique_ptr<SerialDevice> probe = SerialDevice::Open(SlavePath());
        ASSERT_NE(probe, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return probe->BytesWaiting().value_or(0) == 6; }));
    }
    link.ConnectPort(reporter);
    ASSERT_EQ(link.connected, 1);
    EXPECT_EQ(Exchange(QStringLiteral("RUID\r")), "E0040150\r\n");
    EXPECT_EQ(reader->ReceivedBytes(), QByteArray("\x52\x55\x49\x44\x0D"));
    EXPECT_EQ(link.receiveThread.TakeTerminalLines(),
              QStringList{QStringLiteral("E0040150\r\n")});
    EXPECT_TRUE(reporter.shown.isEmpty());
}

TEST_F(SerialLinkTest, ClosedLinkSendsNothingAndReopensWithTheNewRate)
{
    EXPECT_EQ(link.WriteText(QStringLiteral("TOR\r")), SerialLink::kNoPort);
    link.ConnectPort(reporter);
    ASSERT_EQ(link.connected, 1);
    link.ClosePort(reporter);
    EXPECT_EQ(link.portHandle, nullptr);
    EXPECT_FALSE(link.receiveThread.IsRunning());
    EXPECT_EQ(link.WriteText(QStringLiteral("TOR\r")), SerialLink::kNoPort);

    // Every rate the Interface dialog offers is put into force exactly.
    for (const QString& entry : InterfaceBaudRateEntries()) {
        SCOPED_TRACE(entry.toStdString());
        link.baudRate = ParseLeadingInt32(entry);
        link.ConnectPort(reporter);
        ASSERT_EQ(link.connected, 1);
        EXPECT_EQ(reader->ClientLineSpeed(), static_cast<std::uint32_t>(link.baudRate));
        EXPECT_EQ(Exchange(QStringLiteral("RD 2\r")), "1011121314151617\r\n");
        link.ClosePort(reporter);
    }
    // Only the exchanges reached the reader, nothing written while the port was closed.
    const QByteArray exchange = "RD 2\r";
    EXPECT_EQ(reader->ReceivedBytes(), exchange.repeated(InterfaceBaudRateEntries().size()));
    EXPECT_TRUE(reporter.shown.isEmpty());
}

TEST_F(SerialLinkTest, VanishedDeviceFailsWritesAndStillClosesPromptly)
{
    link.ConnectPort(reporter);
    ASSERT_EQ(link.connected, 1);
    reader->Vanish();
    const std::int32_t status = link.WriteText(QStringLiteral("RD 1\r"));
    EXPECT_NE(status, 0);
    EXPECT_NE(status, SerialLink::kNoPort);
    EXPECT_NE(status & static_cast<std::int32_t>(kSerialErrorWrite), 0);
    link.ClosePort(reporter);
    EXPECT_EQ(link.portHandle, nullptr);
    EXPECT_TRUE(reporter.shown.isEmpty());
}

TEST_F(SerialLinkTest, DestroyingAConnectedLinkStopsItsThread)
{
    auto owned = std::make_unique<SerialLink>();
    owned->portName = SlavePath();
    owned->ConnectPort(reporter);
    ASSERT_TRUE(owned->receiveThread.IsRunning());
    owned.reset();
    // The port was released with it: it opens again.
    link.ConnectPort(reporter);
    EXPECT_EQ(link.connected, 1);
}
