#include "transponder/command_exchange.h"

#include "serial/serial_link.h"
#include "transponder/answer_line.h"
#include "transponder/exchange_context.h"
#include "transponder/reader_command.h"
#include "transponder/timeout_unit.h"

ExchangeResult CommandExchange(ExchangeContext& context, const ReaderCommand& command)
{
    DiscardEarlierLines(context.link);
    if (context.link.WriteText(command.line) != 0)
        return KeepAnswer(QString(), command.keptChars);
    if (!command.echo.isEmpty())
        PutRecordOnTop(context.terminalText, command.echo);
    const std::optional<CompletedLine> line = context.link.receiveThread.AwaitLine(
        AnswerWait(context.timeoutUnit, command.waitFactor));
    ExchangeResult result =
        KeepAnswer(line ? AnswerTextOf(line->bytes) : QString(), command.keptChars);
    result.cut = line && line->cut;
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
