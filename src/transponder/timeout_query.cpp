#include "transponder/timeout_query.h"

#include "serial/serial_link.h"
#include "transponder/answer_line.h"
#include "transponder/exchange_result.h"
#include "transponder/exchange_context.h"
#include "transponder/reader_command.h"
#include "transponder/timeout_unit.h"

void TimeoutQuery(ExchangeContext& context, int factor)
{
    const ReaderCommand query = TimeoutQueryCommand();
    QString answer;
    DiscardEarlierLines(context.link);
    if (context.link.WriteText(query.line) == 0) {
        if (const std::optional<CompletedLine> line = context.link.receiveThread.AwaitLine(
                AnswerWait(context.timeoutUnit, query.waitFactor)))
            answer = AnswerTextOf(line->bytes);
    }
    context.timeoutUnit = ScaledTimeoutUnit(context.timeoutUnit, answer, factor);
}
