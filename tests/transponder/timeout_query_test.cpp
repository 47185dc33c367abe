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

using TimeoutQueryTest = PtyReaderFixture;

// Only a plain number from 1 to 255 scales the unit; a line waiting from before is not the answer,
// and any other answer is a late line: the late TOR answer is drained and TOR asked once more. The
// next command gets its own answer.
TEST_F(TimeoutQueryTest, TakesOnlyItsOwnAnswerFromOneTo255)
{
    RecordingLinkErrorReporter reporter;
    SerialLink link;
    link.portName = SlavePath();
    link.ConnectPort(reporter);
    // As during an operation: received lines stay out of the terminal.
    ReceiveThread::BusyScope busy(link.receiveThread, ReceiveThread::Busy::Read);
    QString terminalText;
    // A unit that makes every answer that comes at all arrive well inside its wait, even under
    // the thread sanitizer on a loaded machine.
    const int roomyUnit = 1000;
    int timeoutUnit = roomyUnit;
    ExchangeContext context{link, terminalText, timeoutUnit};
    const QByteArray page3 = "18191A1B1C1D1E1F";
    // The answers to the first and second TOR (none past the list), a late line the reader sends
    // in front of its answer to the command after the first TOR, the unit before and after.
    // clang-format off
    const struct { QByteArrayList tors; QByteArray late; int unitBefore, unitAfter; } rows[] = {
        {{"10\r"}, {}, roomyUnit, 10 * kReadPagesTimeoutFactor},
        {{"255 \r"}, {}, roomyUnit, 255 * kReadPagesTimeoutFactor},
        {{"0\r", "256\r"}, {}, roomyUnit, roomyUnit},
        {{"abc\r", "10abc\r"}, {}, roomyUnit, roomyUnit},
        // A page that came late, then the TOR answer itself even later.
        {{"0000000000000042\r", "10\r"}, "10\r", roomyUnit, 10 * kReadPagesTimeoutFactor},
        // Nothing ever comes, so a short unit is safe: the query asks once more.
        {{"", ""}, {}, 250, 250},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.tors.join('|').constData());
        timeoutUnit = row.unitBefore;
        // A line the reader sent unasked, such as a late answer, waiting in the link.
        ASSERT_TRUE(reader->SendRaw("stray\r"));
        ASSERT_TRUE(WaitUntil([&] { return link.receiveThread.LineWaiting(); }));
        const qsizetype sentBefore = reader->ReceivedBytes().size();
        ScriptedReader scripted(*reader, [&row, &page3, tors = 0,
                                          late = QByteArray()](const QByteArray& command) mutable {
            QByteArray out = std::exchange(late, {});
            if (command != "TOR")
                return out + page3 + '\r';
            if (tors == 0)
                late = row.late;
            return out + row.tors.value(tors++);
        });
        TimeoutQuery(context, kReadPagesTimeoutFactor);
        EXPECT_EQ(timeoutUnit, row.unitAfter);
        EXPECT_EQ(CommandExchange(context, ReadPageCommand(3)).kept, page3);
        EXPECT_EQ(reader->ReceivedBytes().mid(sentBefore).count("TOR\r"), row.tors.size());
    }
}

} // namespace
