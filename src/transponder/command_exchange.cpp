#include "transponder/command_exchange.h"

#include "serial/serial_link.h"
#include "transponder/answer_line.h"
#include "transponder/exchange_context.h"
#include "transponder/reader_command.h"
#include "transponder/timeout_unit.h"

#include <chrono>

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
