#include "transponder/answer_line.h"

#include "serial/serial_link.h"
#include "transponder/reader_command.h"
#include "transponder/reader_protocol.h"
#include "transponder/timeout_unit.h"

#include <algorithm>

namespace {

using Clock = std::chrono::steady_clock;

std::chrono::milliseconds Until(Clock::time_point deadline)
{
    return std::max(std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now()),
                    std::chrono::milliseconds::zero());
}

// The answers still owed; forgotten once they are no longer expected.
OwedAnswers& StillOwed(SerialLink& link)
{
    if (Clock::now() >= link.owedAnswers.expectedUntil)
        link.owedAnswers = {};
    return link.owedAnswers;
}

// Pays off one owed answer, of the first kind if one is owed, else of the second.
bool PayOffOne(int& first, int& second)
{
    for (int* owed : {&first, &second}) {
        if (*owed > 0) {
            --*owed;
            return true;
        }
    }
    return false;
}

bool IsGoodAnswer(const ReaderCommand& command, const CompletedLine& line)
{
    ExchangeResult result = KeepAnswer(AnswerTextOf(line.bytes), command.keptChars);
    result.cut = line.cut;
    return command.isGoodAnswer(result);
}

} // namespace

void DiscardEarlierLines(SerialLink& link)
{
    int forgotten = link.receiveThread.DiscardReceived(link.portHandle.get());
    // Which answers they were is not known; TOR answers are paid off first because a late answer
    // to any other command must never be left unpaid.
    OwedAnswers& owed = StillOwed(link);
    for (int* answers : {&owed.timeoutAnswers, &owed.otherAnswers}) {
        const int paid = std::min(forgotten, *answers);
        *answers -= paid;
        forgotten -= paid;
    }
}

bool IsOwedAnswer(SerialLink& link, const ReaderCommand& command, const CompletedLine& line)
{
    OwedAnswers& owed = StillOwed(link);
    int& timeouts = owed.timeoutAnswers;
    int& others = owed.otherAnswers;
    const bool timeoutAnswer = TimeoutAnswerValue(AnswerTextOf(line.bytes)).has_value();
    if (timeouts == 0 && others == 0)
        return timeoutAnswer && !command.asksTimeout;
    if (command.asksTimeout) {
        if (!timeoutAnswer)
            return PayOffOne(others, timeouts);
        PayOffOne(timeouts, others);
        return false;
    }
    if (timeoutAnswer)
        return PayOffOne(timeouts, others);
    if (others > 0 || !IsGoodAnswer(command, line))
        return PayOffOne(others, timeouts);
    return false;
}

std::optional<CompletedLine> AwaitAnswerLine(SerialLink& link, const ReaderCommand& command,
                                             Clock::time_point deadline)
{
    for (;;) {
        std::optional<CompletedLine> line = link.receiveThread.AwaitLine(Until(deadline));
        if (!line || !IsOwedAnswer(link, command, *line))
            return line;
        // What came right behind a late answer, in the same burst, is the late reader's too
        // (a line it sends after each answer); which answer is still owed is not known, so
        // nothing is paid off for it.
        while (link.receiveThread.LineWaiting())
            link.receiveThread.AwaitLine(std::chrono::milliseconds::zero());
    }
}

bool DrainLateLine(SerialLink& link, const ReaderCommand& command, std::chrono::milliseconds wait)
{
    return AwaitAnswerLine(link, command, Clock::now() + wait).has_value();
}

void OweAnswer(SerialLink& link, const ReaderCommand& command, std::chrono::milliseconds wait)
{
    OwedAnswers& owed = StillOwed(link);
    ++(command.asksTimeout ? owed.timeoutAnswers : owed.otherAnswers);
    owed.expectedUntil = std::max(owed.expectedUntil, Clock::now() + kOwedAnswerWaits * wait);
}

void AwaitOwedAnswers(SerialLink& link)
{
    for (;;) {
        OwedAnswers& owed = StillOwed(link);
        if (owed.timeoutAnswers == 0 && owed.otherAnswers == 0)
            return;
        if (link.receiveThread.AwaitLine(Until(owed.expectedUntil)))
            PayOffOne(owed.otherAnswers, owed.timeoutAnswers);
    }
}
