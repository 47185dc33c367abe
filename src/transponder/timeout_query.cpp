#include "transponder/timeout_query.h"

#include "serial/serial_link.h"
#include "transponder/answer_line.h"
#include "transponder/exchange_context.h"
#include "transponder/exchange_result.h"
#include "transponder/reader_command.h"
#include "transponder/timeout_unit.h"

namespace {

// Sends TOR and returns the line that answers it; nothing when TOR could not be sent or no line
// came within the wait (the late one drained).
std::optional<QString> AskTimeout(ExchangeContext& context, const ReaderCommand& query,
                                  std::chrono::milliseconds wait)
{
    DiscardEarlierLines(context.link);
    if (context.link.WriteText(query.line) != 0)
        return std::nullopt;
    if (const std::optional<CompletedLine> line = context.link.receiveThread.AwaitLine(wait))
        return AnswerTextOf(line->bytes);
    DrainLateLine(context.link, wait);
    return std::nullopt;
}

} // namespace

void TimeoutQuery(ExchangeContext& context, int factor)
{
    const ReaderCommand query = TimeoutQueryCommand();
    const std::chrono::milliseconds wait = AnswerWait(context.timeoutUnit, query.waitFactor);
    std::optional<QString> answer = AskTimeout(context, query, wait);
    if (answer && !TimeoutAnswerValue(*answer)) {
        DrainLateLine(context.link, wait);
        answer = AskTimeout(context, query, wait);
    }
    context.timeoutUnit =
        ScaledTimeoutUnit(context.timeoutUnit, answer.value_or(QString()), factor);
}
