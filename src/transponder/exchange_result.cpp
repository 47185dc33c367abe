#include "transponder/exchange_result.h"

#include "transponder/reader_protocol.h"

#include <algorithm>

QString AnswerTextOf(const QByteArray& line)
{
    const qsizetype end = line.indexOf('\0');
    QString text = QString::fromLatin1(end < 0 ? line : line.first(end));
    if (text.startsWith(QLatin1Char('\n')))
        text.remove(0, 1);
    return text;
}

ExchangeResult KeepAnswer(const QString& answer, std::optional<int> keptChars)
{
    const qsizetype keep =
        keptChars ? std::clamp<qsizetype>(*keptChars, 0, answer.size()) : answer.size();
    return {answer.first(keep), static_cast<int>(answer.size()), false, answer};
}

QString WithoutLineEnds(QString text)
{
    text.remove(QLatin1Char('\r'));
    text.remove(QLatin1Char('\n'));
    return text;
}

QString AnswerRecord(const QString& kept)
{
    return kept + kRecordEnd;
}
