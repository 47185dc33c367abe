#include "transponder/answer_line.h"

#include "serial/receive_thread.h"
#include "serial/serial_link.h"
#include "transponder/exchange_result.h"

void DiscardEarlierLines(SerialLink& link)
{
    link.receiveThread.DiscardReceived(link.portHandle.get());
}

std::optional<CompletedLine> AwaitAnswerLine(ReceiveThread& receiveThread,
                                             std::chrono::milliseconds wait)
{
    if (!receiveThread.lineEvent.Wait(wait))
        return std::nullopt;
    const std::optional<CompletedLine> line = receiveThread.publishedLine.Take();
    receiveThread.lineEvent.Reset();
    return line.value_or(CompletedLine{});
}

QString AnswerTextOf(const QByteArray& line)
{
    QString text = AnswerTextFromLine(line);
    if (text.startsWith(QLatin1Char('\n')))
        text.remove(0, 1);
    return text;
}
