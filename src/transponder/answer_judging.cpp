#include "transponder/answer_judging.h"

#include "transponder/reader_protocol.h"

#include <algorithm>

bool ContainsErrorMark(const QString& text)
{
    return std::any_of(kErrorMarks.cbegin(), kErrorMarks.cend(), [&text](QLatin1StringView mark) {
        return text.contains(mark, Qt::CaseSensitive);
    });
}

bool IsGoodPageAnswer(const QString& kept)
{
    return kept.size() == kReadPageKeptChars && !ContainsErrorMark(kept);
}

bool IsGoodUidAnswer(const QString& kept)
{
    return kept.size() == kReadUidKeptChars && !ContainsErrorMark(kept);
}

bool IsAcknowledged(const QString& kept)
{
    return kept == kAcknowledge;
}

bool ReadRunContinues(int lastAnswerLength)
{
    return lastAnswerLength >= kReadPageKeptChars;
}
