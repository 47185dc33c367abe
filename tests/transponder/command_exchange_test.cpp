#include "serial/serial_link.h"
#include "support/pty_reader_fixture.h"
#include "support/recording_link_error_reporter.h"
#include "support/scripted_reader.h"
#include "support/wait_until.h"
#include "transponder/command_exchange.h"
#include "transponder/exchange_context.h"
#include "transponder/reader_command.h"
#include "transponder/reader_protocol.h"
#include "transponder/timeout_query.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

// A unit that makes every answer that comes at all arrive well inside its wait.
constexpr int kRoomyUnit = 250;
// A unit that makes a silent reader's waits short.
constexpr int kShortUnit = 5;

// The link, terminal text and timeout unit an operation works on, against the emulated reader.
class CommandExchangeTest : public PtyReaderFixture
{
protected:
    void SetUp() override
    {
        PtyReaderFixture::SetUp();
        link.portName = SlavePath();
        link.ConnectPort(reporter);
        ASSERT_EQ(link.connected, 1);
        // As during an operation: received lines stay out of the terminal.
        busy.emplace(link.receiveThread, ReceiveThread::Busy::Read);
    }

    void TearDown() override
    {
        busy.reset();
        link.ClosePort(reporter);
        PtyReaderFixture::TearDown();
    }

    void SetReaderFaults(const std::function<void(ReaderFaults&)>& change)
    {
        reader->Configure([&](ReaderEmulator& emulator) {
            ReaderFaults faults = emulator.Faults();
            change(faults);
            emulator.SetFaults(faults);
        });
    }

    RecordingLinkErrorReporter reporter;
    SerialLink link;
    std::optional<ReceiveThread::BusyScope> busy;
    QString terminalText = QStringLiteral("older\r\n");
    int timeoutUnit = kRoomyUnit;
    ExchangeContext context{link, terminalText, timeoutUnit};
};

TEST_F(CommandExchangeTest, KeepsKCharactersOfWhateverLineCame)
{
    struct Case
    {
        ReaderCommand command;
        QByteArray answerLine;
        QString kept;
        int answerLength;
        bool cut = false;
    };
    const std::vector<Case> cases = {
        {LockPageCommand(1), "ACK\r", "ACK", 5},
        {LockPageCommand(1), "ACKNOWLEDGED\r", "ACK", 14},
        {ReadPageCommand(1), "01020304050607\r", "01020304050607\r\n", 16},
        {ReadPageCommand(1), "0102030405060708090A\r", "0102030405060708", 22},
        {ReadUidCommand(),
         QByteArray("E004\0"
                    "0150\r",
                    10),
         "E004", 4},
        {ReadUidCommand(),
         "\xE9\xFF"
         "12\r",
         "\u00E9\u00FF12\r\n", 6},
        {ReadPageCommand(1), QByteArray(200, 'A') + '\r', QString(16, u'A'), 129, true},
    };
    SetReaderFaults([](ReaderFaults& faults) { faults.silent = true; });
    for (const Case& c : cases) {
        SCOPED_TRACE(c.answerLine.toStdString());
        reader->ClearReceivedBytes();
        ScriptedReader scripted(*reader, [&](const QByteArray&) { return c.answerLine; });
        const ExchangeResult result = CommandExchange(context, c.command);
        EXPECT_EQ(result.kept, c.kept);
        EXPECT_EQ(result.answerLength, c.answerLength);
        EXPECT_EQ(result.cut, c.cut);
    }
}

TEST_F(CommandExchangeTest, LinesThatCameBeforeACommandAreNotItsAnswer)
{
    timeoutUnit = kShortUnit;
    ScriptedReader late(
        *reader, [](const QByteArray& command) { return command + QByteArray("-ANSWER\r"); },
        std::chrono::milliseconds(300));
    EXPECT_EQ(CommandExchange(context, LockPageCommand(1)).kept, QString());
    ASSERT_TRUE(WaitUntil([&] { return link.receiveThread.LineWaiting(); }));
    timeoutUnit = kRoomyUnit;
    EXPECT_EQ(CommandExchange(context, ReadPageCommand(2)).kept, QStringLiteral("RD 2-ANSWER\r\n"))
        << "the late answer to LD 1 is not taken";
}

TEST_F(CommandExchangeTest, AStrayLineRightAfterAnAnswerIsNeitherItNorTheNextAnswer)
{
    ScriptedReader stray(*reader, [](const QByteArray& command) {
        return command == "LD 1" ? QByteArray("NAK\rACK\r") : QByteArray("NAK\r");
    });
    EXPECT_EQ(CommandExchange(context, LockPageCommand(1)).kept, QStringLiteral("NAK"));
    EXPECT_EQ(CommandExchange(context, LockPageCommand(2)).kept, QStringLiteral("NAK"));
}

TEST_F(CommandExchangeTest, TimeoutQueryDiscardsALineThatCameBetweenOperations)
{
    ASSERT_TRUE(reader->SendRaw("stray\r"));
    ASSERT_TRUE(WaitUntil([&] { return link.receiveThread.LineWaiting(); }));

    TimeoutQuery(context, kReadPagesTimeoutFactor);

    EXPECT_EQ(timeoutUnit, 130) << "the TOR answer, not the stray line, set the unit";
}

} // namespace
