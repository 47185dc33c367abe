#include "serial/serial_link.h"

#include "platform/number_parsing.h"
#include "platform/serial_error_mask.h"
#include "resources/interface_dialog_template.h"
#include "support/link_exchange.h"
#include "support/port_holder_process.h"
#include "support/pty_reader_fixture.h"
#include "support/recording_link_error_reporter.h"
#include "support/wait_until.h"

#include <gtest/gtest.h>

using namespace std::chrono_literals;

namespace {

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

} // namespace

TEST_F(SerialLinkTest, PortsThatCannotBeOpenedAreReportedAndLeaveNoPort)
{
    SerialLink holder; // a port held by another open cannot be opened either
    holder.portName = SlavePath();
    holder.ConnectPort(reporter);
    ASSERT_EQ(holder.connected, 1);
    reporter.shown.clear();
    const QString cases[] = {QStringLiteral("ttyOrvaneMissing7"), QString(), SlavePath()};
    for (const QString& name : cases) {
        SCOPED_TRACE(name.toStdString());
        reporter.shown.clear();
        link.portName = name;
        link.connected = 1;
        link.ConnectPort(reporter);
        EXPECT_EQ(link.connected, 0);
        EXPECT_EQ(link.portHandle, nullptr);
        EXPECT_FALSE(link.receiveThread.IsRunning());
        EXPECT_EQ(reporter.shown, QStringList{name + QStringLiteral(" could not be opened!")});
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
    EXPECT_EQ(reporter.shown, QStringList{SlavePath() + QStringLiteral(" could not be opened!")});
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
                  QStringList{SlavePath() + QStringLiteral(" could not be opened!")});
        link.ClosePort(reporter);
        EXPECT_EQ(reporter.shown.size(), 1) << "closing without a port shows nothing";
    }
    // The refused port was released, not left held.
    link.baudRate = 9600;
    link.ConnectPort(reporter);
    EXPECT_EQ(link.connected, 1);
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
