#include "transponder/timeout_query.h"

#include "serial/serial_link.h"
#include "transponder/answer_line.h"
#include "transponder/exchange_context.h"
#include "transponder/reader_command.h"
#include "transponder/timeout_unit.h"

void TimeoutQuery(ExchangeContext& context, int factor)
{
    const ReaderCommand query = TimeoutQueryCommand();
    // A line that came in since the last operation belongs to nobody.
    context.link.receiveThread.DiscardLine();
    QString answer;
    if (context.link.WriteText(query.line) == 0) {
        answer = AwaitAnswerLine(context.link.receiveThread,
                                 AnswerWait(context.timeoutUnit, query.waitFactor))
                     .value_or(QString());
    }
    context.timeoutUnit = ScaledTimeoutUnit(context.timeoutUnit, answer, factor);
}
