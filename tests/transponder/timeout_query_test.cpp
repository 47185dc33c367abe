#include "serial/serial_link.h"
#include "support/pty_reader_fixture.h"
#include "support/recording_link_error_reporter.h"
#include "support/scripted_reader.h"
#include "support/wait_until.h"
#include "transponder/exchange_context.h"
#include "transponder/reader_protocol.h"
#include "transponder/timeout_query.h"

namespace {

using TimeoutQueryTest = PtyReaderFixture;

// Only a number from 1 to 255 scales the unit; a line waiting from before is not the answer.
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
    // A TOR answer (none when empty) and the unit it leaves.
    const std::pair<QByteArray, int> rows[] = {
        {"10\r", 10 * kReadPagesTimeoutFactor}, {"255\r", 255 * kReadPagesTimeoutFactor},
        {"0\r", roomyUnit},   {"256\r", roomyUnit}, {"abc\r", roomyUnit}, {"", roomyUnit},
    };
    for (const auto& [answer, unitAfter] : rows) {
        SCOPED_TRACE(answer.constData());
        timeoutUnit = roomyUnit;
        // A line the reader sent unasked, such as a late answer, waiting in the link.
        ASSERT_TRUE(reader->SendRaw("stray\r"));
        ASSERT_TRUE(WaitUntil([&] { return link.receiveThread.LineWaiting(); }));
        ScriptedReader scripted(*reader, [&](const QByteArray&) { return answer; });
        TimeoutQuery(context, kReadPagesTimeoutFactor);
        EXPECT_EQ(timeoutUnit, unitAfter);
    }
}

} // namespace
