#include "transponder/command_exchange.h"

#include "serial/serial_link.h"
#include "transponder/answer_line.h"
#include "transponder/exchange_context.h"
#include "transponder/reader_command.h"
#include "transponder/timeout_unit.h"

#include <algorithm>
#include <chrono>

namespace {

constexpr std::chrono::milliseconds kDisplayFrame{16};

// Waits for the answer line; shows the run's progress once the wait outlasts a display frame.
std::optional<CompletedLine> AwaitAnswer(ExchangeContext& context, std::chrono::milliseconds wait)
{
    ReceiveThread& thread = context.link.receiveThread;
    if (!context.showProgress || wait <= kDisplayFrame)
        return thread.AwaitLine(wait);
    const auto deadline = std::chrono::steady_clock::now() + wait;
    if (std::optional<CompletedLine> line = thread.AwaitLine(kDisplayFrame))
        return line;
    context.showProgress();
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    return thread.AwaitLine(std::max(left, std::chrono::milliseconds::zero()));
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
    const std::optional<CompletedLine> line = AwaitAnswer(context, wait);
    if (!line)
        DrainLateLine(context.link, wait);
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
