#include "transponder/exchange.h"

#include "serial/serial_link.h"
#include "transponder/answers.h"
#include "transponder/reader_protocol.h"

#include <algorithm>
#include <chrono>

ReaderCommand TimeoutQueryCommand()
{
    return {kTimeoutQueryLine, {}, kTimeoutQueryWaitFactor, std::nullopt, IsTimeoutAnswer, true};
}

ReaderCommand ReadPageCommand(int page)
{
    return {QString::asprintf(kReadPageFormat, page) + kCommandEnd,
            QString::asprintf(kReadPageEchoFormat, page, page), kReadPageWaitFactor, kPageHexDigits,
            IsGoodPageAnswer};
}

ReaderCommand WritePageCommand(int page, const QString& pageHex)
{
    // The data goes in verbatim: asprintf's %s would read it as UTF-8 bytes, not as characters.
    const QString text = QString::asprintf(kWritePageFormat, page, "%1").arg(pageHex);
    return {text + kCommandEnd, text + QString::asprintf(kWritePageEchoSuffixFormat, page),
            kWritePageWaitFactor, kAcknowledgeKeptChars, IsAcknowledged};
}

ReaderCommand LockPageCommand(int page)
{
    return {QString::asprintf(kLockPageFormat, page) + kCommandEnd,
            QString::asprintf(kLockPageEchoFormat, page, page), kLockPageWaitFactor,
            kAcknowledgeKeptChars, IsAcknowledged};
}

ReaderCommand ReadUidCommand()
{
    return {kReadUidLine, kReadUidEcho, kReadUidWaitFactor, kReadUidKeptChars, IsGoodUidAnswer};
}

namespace {

constexpr std::chrono::milliseconds kDisplayFrame{16};

// Waits for the answer line; shows the run's progress once the wait outlasts a display frame.
std::optional<CompletedLine> AwaitAnswer(ExchangeContext& context, const ReaderCommand& command,
                                         std::chrono::milliseconds wait)
{
    const auto start = std::chrono::steady_clock::now();
    if (!context.showProgress || wait <= kDisplayFrame)
        return AwaitAnswerLine(context.link, command, start + wait);
    if (std::optional<CompletedLine> line =
            AwaitAnswerLine(context.link, command, start + kDisplayFrame))
        return line;
    context.showProgress();
    return AwaitAnswerLine(context.link, command, start + wait);
}

} // namespace

ExchangeResult CommandExchange(ExchangeContext& context, const ReaderCommand& command)
{
    DiscardEarlierLines(context.link);
    if (context.link.WriteText(command.line) != 0) {
        ExchangeResult result = KeepAnswer(QString(), command.keptChars);
        result.end = ExchangeEnd::NotSent;
        return result;
    }
    if (!command.echo.isEmpty())
        PutRecordOnTop(context.terminalText, command.echo);
    const std::chrono::milliseconds wait = AnswerWait(context.timeoutUnit, command.waitFactor);
    const std::optional<CompletedLine> line = AwaitAnswer(context, command, wait);
    if (!line && !DrainLateLine(context.link, command, wait))
        OweAnswer(context.link, command, wait);
    ExchangeResult result =
        KeepAnswer(line ? AnswerTextOf(line->bytes) : QString(), command.keptChars);
    result.cut = line && line->cut;
    result.end = line ? ExchangeEnd::Answered : ExchangeEnd::NoAnswer;
    result.wait = wait;
    return result;
}

void PutRecordOnTop(QString& terminalText, const QString& record)
{
    terminalText.prepend(record);
}

void PutAnswerRecord(ExchangeContext& context, const ExchangeResult& result)
{
    PutRecordOnTop(context.terminalText, AnswerRecord(result.kept));
}

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

std::chrono::milliseconds AnswerWait(int timeoutUnit, int waitFactor)
{
    const std::int64_t wait = static_cast<std::int64_t>(timeoutUnit) * waitFactor;
    return std::chrono::milliseconds(std::max<std::int64_t>(wait, 0));
}
