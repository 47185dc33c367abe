#include "transponder/answer_line.h"

#include "serial/receive_thread.h"
#include "transponder/exchange_result.h"

std::optional<QString> AwaitAnswerLine(ReceiveThread& receiveThread, std::chrono::milliseconds wait)
{
    if (!receiveThread.lineEvent.Wait(wait))
        return std::nullopt;
    const QByteArray line = receiveThread.publishedLine.TakeLine();
    receiveThread.lineEvent.Reset();
    return AnswerTextOf(line);
}

QString AnswerTextOf(const QByteArray& line)
{
    QString text = AnswerTextFromLine(line);
    if (text.startsWith(QLatin1Char('\n')))
        text.remove(0, 1);
    return text;
}
