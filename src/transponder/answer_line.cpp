#include "transponder/answer_line.h"

#include "serial/receive_thread.h"
#include "transponder/exchange_result.h"

std::optional<QString> AwaitAnswerLine(ReceiveThread& receiveThread, std::chrono::milliseconds wait)
{
    const std::optional<QByteArray> line = receiveThread.AwaitLine(wait);
    if (!line)
        return std::nullopt;
    return AnswerTextOf(*line);
}

QString AnswerTextOf(const QByteArray& line)
{
    QString text = AnswerTextFromLine(line);
    if (text.startsWith(QLatin1Char('\n')))
        text.remove(0, 1);
    return text;
}
