#include "transponder/timeout_query.h"

#include "serial/serial_link.h"
#include "transponder/answer_line.h"
#include "transponder/exchange_context.h"
#include "transponder/exchange_result.h"
#include "transponder/reader_command.h"
#include "transponder/timeout_unit.h"

namespace {

// Sends TOR and returns its value when the line that answers it is a TOR answer. Otherwise (no
// line within the wait, or a line that is a late answer to an earlier command) the line is out of
// step, and the late line still to come is drained first.
std::optional<int> AskTimeout(ExchangeContext& context, const ReaderCommand& query,
                              std::chrono::milliseconds wait)
{
    DiscardEarlierLines(context.link);
    if (context.link.WriteText(query.line) != 0)
        return std::nullopt;
    const std::optional<CompletedLine> line = context.link.receiveThread.AwaitLine(wait);
    if (const std::optional<int> value =
            TimeoutAnswerValue(line ? AnswerTextOf(line->bytes) : QString()))
        return value;
    DrainLateLine(context.link, wait);
    return std::nullopt;
}

} // namespace

void TimeoutQuery(ExchangeContext& context, int factor)
{
    const ReaderCommand query = TimeoutQueryCommand();
    const std::chrono::milliseconds wait = AnswerWait(context.timeoutUnit, query.waitFactor);
    std::optional<int> value = AskTimeout(context, query, wait);
    if (!value)
        value = AskTimeout(context, query, wait);
    if (value)
        context.timeoutUnit = *value * factor;
}
