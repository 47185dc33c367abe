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

namespace {

// A unit that makes every answer that comes at all arrive well inside its wait, even under the
// thread sanitizer on a loaded machine.
constexpr int kRoomyUnit = 1000;

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

    // A line the reader sent unasked, such as a late answer, waiting in the link.
    void StrayLine()
    {
        ASSERT_TRUE(reader->SendRaw("stray\r"));
        ASSERT_TRUE(WaitUntil([&] { return link.receiveThread.LineWaiting(); }));
    }

    RecordingLinkErrorReporter reporter;
    SerialLink link;
    std::optional<ReceiveThread::BusyScope> busy;
    QString terminalText;
    int timeoutUnit = kRoomyUnit;
    ExchangeContext context{link, terminalText, timeoutUnit};
};

TEST_F(CommandExchangeTest, AnswerBytesAreLatin1CharactersUpToTheFirstZeroByte)
{
    const std::pair<QByteArray, QString> rows[] = {
        {QByteArray("E004\0" "0150\r", 10), "E004"},
        {"\xE9\xFF" "12\r", "\u00E9\u00FF12\r\n"},
    };
    for (const auto& [line, kept] : rows) {
        ScriptedReader scripted(*reader, [&](const QByteArray&) { return line; });
        EXPECT_EQ(CommandExchange(context, ReadUidCommand()).kept, kept);
    }
}

TEST_F(CommandExchangeTest, ALineThatCameBeforeACommandIsNotItsAnswer)
{
    StrayLine();
    EXPECT_EQ(CommandExchange(context, ReadPageCommand(2)).kept, "1011121314151617");
}

TEST_F(CommandExchangeTest, AStrayLineRightAfterAnAnswerIsNeitherItNorTheNextAnswer)
{
    ScriptedReader stray(*reader, [](const QByteArray& command) {
        return command == "LD 1" ? QByteArray("NAK\rACK\r") : QByteArray("NAK\r");
    });
    EXPECT_EQ(CommandExchange(context, LockPageCommand(1)).kept, QStringLiteral("NAK"));
    EXPECT_EQ(CommandExchange(context, LockPageCommand(2)).kept, QStringLiteral("NAK"));
}

// Only a number from 1 to 255 scales the unit; a line waiting from before is not the answer.
TEST_F(CommandExchangeTest, TimeoutQueryTakesOnlyItsOwnAnswerFromOneTo255)
{
    // A TOR answer (none when empty) and the unit it leaves.
    const std::pair<QByteArray, int> rows[] = {
        {"10\r", 10 * kReadPagesTimeoutFactor}, {"255\r", 255 * kReadPagesTimeoutFactor},
        {"0\r", kRoomyUnit},   {"256\r", kRoomyUnit}, {"abc\r", kRoomyUnit}, {"", kRoomyUnit},
    };
    for (const auto& [answer, unitAfter] : rows) {
        SCOPED_TRACE(answer.constData());
        timeoutUnit = kRoomyUnit;
        StrayLine();
        ScriptedReader scripted(*reader, [&](const QByteArray&) { return answer; });
        TimeoutQuery(context, kReadPagesTimeoutFactor);
        EXPECT_EQ(timeoutUnit, unitAfter);
    }
}

} // namespace
