#include "serial/serial_link.h"
#include "support/pty_reader_fixture.h"
#include "support/recording_link_error_reporter.h"
#include "support/scripted_reader.h"
#include "support/wait_until.h"
#include "transponder/exchange.h"
#include "transponder/reader_operation.h"
#include "transponder/reader_protocol.h"

#include <optional>

namespace {

constexpr int kReadFactor = TraitsOf(ReaderOperation::ReadPages).timeoutFactor;

// The link open on the emulated reader, as during an operation: received lines stay out of the
// terminal.
class TimeoutQueryTest : public PtyReaderFixture
{
protected:
    void SetUp() override
    {
        PtyReaderFixture::SetUp();
        link.portName = SlavePath();
        link.ConnectPort(reporter);
        busy.emplace(link.receiveThread, ReceiveThread::Busy::Read);
    }

    RecordingLinkErrorReporter reporter;
    SerialLink link;
    std::optional<ReceiveThread::BusyScope> busy;
    QString terminalText;
    int timeoutUnit = 0;
    ExchangeContext context{link, terminalText, timeoutUnit};
};

// Only a plain number from 1 to 255 scales the unit; a line waiting from before is not the answer,
// and any other answer is a late line: the late TOR answer is drained and TOR asked once more. The
// next command gets its own answer.
TEST_F(TimeoutQueryTest, TakesOnlyItsOwnAnswerFromOneTo255)
{
    // A unit that makes every answer that comes at all arrive well inside its wait, even under
    // the thread sanitizer on a loaded machine.
    const int roomyUnit = 1000;
    const QByteArray page3 = "18191A1B1C1D1E1F";
    // The answers to the first and second TOR (none past the list), a late line the reader sends
    // in front of its answer to the command after the first TOR, the unit before and after.
    // clang-format off
    const struct { QByteArrayList tors; QByteArray late; int unitBefore, unitAfter; } rows[] = {
        {{"10\r"}, {}, roomyUnit, 10 * kReadFactor},
        {{"255 \r"}, {}, roomyUnit, 255 * kReadFactor},
        {{"0\r", "256\r"}, {}, roomyUnit, roomyUnit},
        {{"abc\r", "10abc\r"}, {}, roomyUnit, roomyUnit},
        // A page that came late, then the TOR answer itself even later.
        {{"0000000000000042\r", "10\r"}, "10\r", roomyUnit, 10 * kReadFactor},
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
        TimeoutQuery(context, kReadFactor);
        EXPECT_EQ(timeoutUnit, row.unitAfter);
        EXPECT_EQ(CommandExchange(context, ReadPageCommand(3)).kept, page3);
        EXPECT_EQ(reader->ReceivedBytes().mid(sentBefore).count("TOR\r"), row.tors.size());
    }
}

// A line the reader still owes for an earlier command (its wait and drain ran out) is passed over
// by the exchanges after it, and TOR breaks the debt of a reader that never answered: each later
// command gets its own answer. Commands: "TOR" asks the timeout, "RD n" reads, "stop RD n" reads
// and stops at the first turn of its wait, "late X" has the reader send X unasked before the next
// command goes out, "expire" waits until the owed answers are no longer expected.
TEST_F(TimeoutQueryTest, AnAnswerStillOwedIsNeverTakenForALaterCommand)
{
    const int unit = 50;
    const QByteArray p1 = "08090A0B0C0D0E0F\r", p2 = "1011121314151617\r",
                     p3 = "18191A1B1C1D1E1F\r", garbled = "1ZZZZZZZZZZZZZZZZZZZ\r";
    // The answers to the commands the reader receives, in order (none past the list); what each
    // RD keeps, in order; the unit at the end.
    // clang-format off
    const struct { QByteArrayList steps, answers; QStringList kept; int unitAfter; } rows[] = {
        // Page 1's late answer is not page 2's; TOR, answered whatever is owed, ends the debt of a
        // reader that never answers a page, and the next read gets its own answer.
        {{"RD 1", "RD 2", "TOR", "RD 3"}, {"", p1, "5\r", p3}, {"", "", "18191A1B1C1D1E1F"}, 5 * kReadFactor},
        {{"RD 1", "late " + p1, "RD 2", "RD 2"}, {"", p2, p2}, {"", "1011121314151617", "1011121314151617"}, unit},
        {{"RD 1", "expire", "RD 2"}, {"", p2}, {"", "1011121314151617"}, unit},
        // A line right behind a late answer, in the same burst, is the late reader's as well.
        {{"RD 1", "RD 2", "TOR", "RD 2"}, {"", p1 + p2, "5\r", p2}, {"", "", "1011121314151617"}, 5 * kReadFactor},
        // A late TOR answer is never a page, nor what came with it.
        {{"RD 2"}, {"5\r" + p2}, {""}, unit},
        // A reader that never answers TOR still reads; late, unreadable TOR answers are no pages.
        {{"TOR", "RD 2"}, {"", "", p2}, {"1011121314151617"}, unit},
        {{"TOR", "RD 2"}, {"", "", garbled}, {""}, unit},
        // A stopped read leaves its drain to the next command, which waits it out before it goes
        // out; a late line in that time ends the drain.
        {{"stop RD 1", "RD 2"}, {"", p1}, {"stopped", ""}, unit},
        {{"stop RD 1", "late " + p1, "RD 2"}, {"", p2}, {"stopped", "1011121314151617"}, unit},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.steps.join('|').constData());
        timeoutUnit = unit;
        link.owedAnswers = {};
        ScriptedReader scripted(*reader, [&row, answered = 0](const QByteArray&) mutable {
            return row.answers.value(answered++);
        });
        QStringList kept;
        for (const QByteArray& step : row.steps) {
            if (step == "TOR") {
                TimeoutQuery(context, kReadFactor);
            } else if (step.contains("RD ")) {
                const bool stop = step.startsWith("stop ");
                context.whileWaiting = [this, stop] { context.stopped = stop; };
                const ExchangeResult read =
                    CommandExchange(context, ReadPageCommand(step.back() - '0'));
                kept.append(read.end == ExchangeEnd::Stopped ? "stopped" : read.kept);
                context.stopped = false;
            } else if (step.startsWith("late ")) {
                ASSERT_TRUE(reader->SendRaw(step.mid(5)));
                ASSERT_TRUE(WaitUntil([&] { return link.receiveThread.LineWaiting(); }));
            } else {
                const auto until = link.owedAnswers.expectedUntil;
                ASSERT_TRUE(WaitUntil([&] { return std::chrono::steady_clock::now() > until; }));
            }
        }
        EXPECT_EQ(kept, row.kept);
        EXPECT_EQ(timeoutUnit, row.unitAfter);
    }
}

} // namespace
