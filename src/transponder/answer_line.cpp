#include "transponder/answer_line.h"

#include "serial/receive_thread.h"

std::optional<QString> AwaitAnswerLine(ReceiveThread& receiveThread, std::chrono::milliseconds wait)
{
    const std::optional<QByteArray> line = receiveThread.AwaitLine(wait);
    if (!line)
        return std::nullopt;
    return AnswerTextOf(*line);
}

QString AnswerTextOf(const QByteArray& line)
{
    const qsizetype end = line.indexOf('\0');
    QString text = QString::fromLatin1(end < 0 ? line : line.first(end));
    if (text.startsWith(QLatin1Char('\n')))
        text.remove(0, 1);
    return text;
}
