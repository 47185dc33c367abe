#include "transponder/answers.h"

#include "platform/number_parsing.h"
#include "transponder/page_text_validation.h"
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

namespace {

bool IsBlankOrLineEnd(QChar c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Blanks, an optional sign, one to kMaxTimeoutAnswerDigits digits, blanks: a number as a reader
// writes its timeout value, and nothing else.
bool IsPlainNumber(QStringView text)
{
    qsizetype i = 0;
    while (i < text.size() && IsBlankOrLineEnd(text[i]))
        ++i;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    const qsizetype digitsStart = i;
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    if (i == digitsStart || i - digitsStart > kMaxTimeoutAnswerDigits)
        return false;
    return std::all_of(text.begin() + i, text.end(), IsBlankOrLineEnd);
}

} // namespace

std::optional<int> TimeoutAnswerValue(const QString& torAnswer)
{
    if (!IsPlainNumber(torAnswer))
        return std::nullopt;
    const std::int32_t value = ParseLeadingInt32(torAnswer);
    if (value < kMinTimeoutAnswer || value > kMaxTimeoutAnswer)
        return std::nullopt;
    return value;
}
