#include "transponder/answer_judging.h"

#include "transponder/page_text_validation.h"
#include "transponder/reader_protocol.h"
#include "transponder/timeout_unit.h"

#include <algorithm>

bool ContainsErrorMark(const QString& text)
{
    return std::any_of(kErrorMarks.cbegin(), kErrorMarks.cend(), [&text](QLatin1StringView mark) {
        return text.contains(mark, Qt::CaseSensitive);
    });
}

bool SaysNoTransponder(const QString& wholeAnswer)
{
    return wholeAnswer.contains(kNoReadMark, Qt::CaseSensitive);
}

bool IsGoodPageAnswer(const ExchangeResult& answer)
{
    return !answer.cut && IsHexDigits(answer.kept, kPageHexDigits);
}

bool IsGoodUidAnswer(const ExchangeResult& answer)
{
    const QString& kept = answer.kept;
    return !answer.cut && kept.size() == kReadUidKeptChars && !ContainsErrorMark(kept) &&
           std::none_of(kept.cbegin(), kept.cend(),
                        [](QChar c) { return c.category() == QChar::Other_Control; });
}

bool IsAcknowledged(const ExchangeResult& answer)
{
    return answer.kept == kAcknowledge;
}

bool IsTimeoutAnswer(const ExchangeResult& answer)
{
    return TimeoutAnswerValue(answer.kept).has_value();
}

bool ReadRunContinues(int lastAnswerLength)
{
    return lastAnswerLength >= kPageHexDigits;
}
