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

using Clock = std::chrono::steady_clock;

constexpr std::chrono::milliseconds kDisplayFrame{16};

// Waits for the answer line; shows the run's progress once the wait outlasts a display frame.
std::optional<CompletedLine> AwaitAnswer(ExchangeContext& context, const ReaderCommand& command,
                                         std::chrono::milliseconds wait)
{
    const auto start = Clock::now();
    if (!context.showProgress || wait <= kDisplayFrame)
        return AwaitAnswerLine(context, command, start + wait);
    if (std::optional<CompletedLine> line =
            AwaitAnswerLine(context, command, start + kDisplayFrame))
        return line;
    if (context.stopped)
        return std::nullopt;
    context.showProgress();
    return AwaitAnswerLine(context, command, start + wait);
}

ExchangeResult Unsent(const ReaderCommand& command, ExchangeEnd end)
{
    ExchangeResult result = KeepAnswer(QString(), command.keptChars);
    result.end = end;
    return result;
}

} // namespace

ExchangeResult CommandExchange(ExchangeContext& context, const ReaderCommand& command)
{
    if (!FinishUnfinishedDrain(context))
        return Unsent(command, ExchangeEnd::Stopped);
    DiscardEarlierLines(context.link);
    if (context.link.WriteText(command.line) != 0)
        return Unsent(command, ExchangeEnd::NotSent);
    if (!command.echo.isEmpty())
        PutRecordOnTop(context.terminalText, command.echo);
    const std::chrono::milliseconds wait = AnswerWait(context.timeoutUnit, command.waitFactor);
    const auto start = Clock::now();
    const std::optional<CompletedLine> line = AwaitAnswer(context, command, wait);
    const bool stoppedWaiting = !line && context.stopped;
    if (!line)
        DrainOrOwe(context, command, start, wait);
    ExchangeResult result =
        KeepAnswer(line ? AnswerTextOf(line->bytes) : QString(), command.keptChars);
    result.cut = line && line->cut;
    result.end = line ? ExchangeEnd::Answered
                      : (stoppedWaiting ? ExchangeEnd::Stopped : ExchangeEnd::NoAnswer);
    result.wait = wait;
    return result;
}

void PutRecordOnTop(QString& terminalText, const QString& record)
{
    terminalText.prepend(record);
}

void PutAnswerRecord(ExchangeContext& context, const ExchangeResult& result)
{
    if (result.end != ExchangeEnd::Stopped)
        PutRecordOnTop(context.terminalText, AnswerRecord(result.kept));
}

namespace {

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

std::optional<CompletedLine> AwaitAnswerLine(ExchangeContext& context, const ReaderCommand& command,
                                             Clock::time_point deadline)
{
    ReceiveThread& receiver = context.link.receiveThread;
    for (;;) {
        const std::chrono::milliseconds left = Until(deadline);
        std::optional<CompletedLine> line =
            receiver.AwaitLine(context.whileWaiting ? std::min(left, kDisplayFrame) : left);
        if (line && IsOwedAnswer(context.link, command, *line)) {
            // What came right behind a late answer, in the same burst, is the late reader's too
            // (a line it sends after each answer); which answer is still owed is not known, so
            // nothing is paid off for it.
            while (receiver.LineWaiting())
                receiver.AwaitLine(std::chrono::milliseconds::zero());
            continue;
        }
        if (line || Clock::now() >= deadline)
            return line;
        if (context.whileWaiting)
            context.whileWaiting();
        if (context.stopped)
            return std::nullopt;
    }
}

bool DrainLateLine(ExchangeContext& context, const ReaderCommand& command,
                   std::chrono::milliseconds wait)
{
    return AwaitAnswerLine(context, command, Clock::now() + wait).has_value();
}

void DrainOrOwe(ExchangeContext& context, const ReaderCommand& command, Clock::time_point start,
                std::chrono::milliseconds wait, bool answered)
{
    const bool lateLine = !context.stopped && DrainLateLine(context, command, wait);
    if (context.stopped && !lateLine)
        context.link.unfinishedDrain = UnfinishedDrain{start + 2 * wait, wait, command.asksTimeout};
    else if (!lateLine && !answered)
        OweAnswer(context.link, command, wait);
}

bool FinishUnfinishedDrain(ExchangeContext& context)
{
    const std::optional<UnfinishedDrain> drain = context.link.unfinishedDrain;
    if (!drain || context.stopped)
        return !context.stopped;
    // Whatever line comes now is the stopped command's late answer, or one owed before it.
    ReaderCommand command = drain->timeoutQuery ? TimeoutQueryCommand() : ReaderCommand{};
    if (!drain->timeoutQuery)
        command.isGoodAnswer = [](const ExchangeResult&) { return true; };
    const bool lateLine = AwaitAnswerLine(context, command, drain->until).has_value();
    if (!lateLine && context.stopped)
        return false;
    context.link.unfinishedDrain.reset();
    if (!lateLine)
        OweAnswer(context.link, command, drain->wait);
    return !context.stopped;
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
