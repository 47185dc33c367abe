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

} // namespace

TEST_F(SerialLinkTest, PortsThatCannotBeOpenedOrSetAreReportedAndLeaveNoPortHeld)
{
    const struct
    {
        QString name;
        std::int32_t rate;
    } cases[] = {{QStringLiteral("ttyOrvaneMissing7"), 115200},
                 {QString(), 115200},
                 {SlavePath(), 0},
                 {SlavePath(), -9600}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name.toStdString() + " " + std::to_string(c.rate));
        reporter.shown.clear();
        link.portName = c.name;
        link.baudRate = c.rate;
        link.connected = 1;
        link.ConnectPort(reporter);
        EXPECT_EQ(link.connected, 0);
        EXPECT_EQ(link.portHandle, nullptr);
        EXPECT_FALSE(link.receiveThread.IsRunning());
        EXPECT_EQ(reporter.shown, QStringList{c.name + QStringLiteral(" could not be opened!")});
        link.ClosePort(reporter);
        EXPECT_EQ(reporter.shown.size(), 1) << "closing without a port shows nothing";
    }
    // The refused port was released; held now, it cannot be opened by a second link.
    link.baudRate = 9600;
    link.ConnectPort(reporter);
    ASSERT_EQ(link.connected, 1);
    SerialLink second;
    second.portName = SlavePath();
    second.ConnectPort(reporter);
    EXPECT_EQ(second.connected, 0);
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
        {"300 units", QString(300, u'y'), QByteArray(300, 'y')},
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
