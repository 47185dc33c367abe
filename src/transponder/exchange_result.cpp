#include "transponder/exchange_result.h"

#include "transponder/reader_protocol.h"

#include <algorithm>

ExchangeResult KeepAnswer(const QString& answer, std::optional<int> keptChars)
{
    const qsizetype keep =
        keptChars ? std::clamp<qsizetype>(*keptChars, 0, answer.size()) : answer.size();
    return {answer.first(keep), static_cast<int>(answer.size())};
}

QString AnswerRecord(const QString& kept)
{
    return kept + kRecordEnd;
}
