#include "transponder/reader_operation.h"

#include "serial/serial_link.h"
#include "transponder/answers.h"
#include "transponder/exchange.h"

OperationScope::OperationScope(SerialLink& link, ReaderOperation operation, QString& records,
                               int& timeoutUnit)
    : operation(operation),
      busyScope(link.receiveThread, TraitsOf(operation).busy), context{link, records, timeoutUnit}
{
}

void OperationScope::QueryTimeout()
{
    TimeoutQuery(context, TraitsOf(operation).timeoutFactor);
}

namespace {

// Sends TOR and returns its value when a TOR answer comes (IsOwedAnswer: also while answers are
// owed). Otherwise (no line within the wait, or a line that is a late answer to an earlier
// command) the line is out of step, and the late line still to come is drained first.
std::optional<int> AskTimeout(ExchangeContext& context, const ReaderCommand& query,
                              std::chrono::milliseconds wait)
{
    if (!FinishUnfinishedDrain(context))
        return std::nullopt;
    DiscardEarlierLines(context.link);
    if (context.link.WriteText(query.line) != 0)
        return std::nullopt;
    const auto start = std::chrono::steady_clock::now();
    const std::optional<CompletedLine> line = AwaitAnswerLine(context, query, start + wait);
    if (const std::optional<int> value =
            TimeoutAnswerValue(line ? AnswerTextOf(line->bytes) : QString()))
        return value;
    // A line that is no TOR answer may have been the reader's own bad answer: nothing is owed
    // when no other line follows it.
    DrainOrOwe(context, query, start, wait, line.has_value());
    return std::nullopt;
}

} // namespace

void TimeoutQuery(ExchangeContext& context, int factor)
{
    const ReaderCommand query = TimeoutQueryCommand();
    const std::chrono::milliseconds wait = AnswerWait(context.timeoutUnit, query.waitFactor);
    std::optional<int> value = AskTimeout(context, query, wait);
    if (!value && !context.stopped)
        value = AskTimeout(context, query, wait);
    if (value)
        context.timeoutUnit = *value * factor;
}
