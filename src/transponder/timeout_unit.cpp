#include "transponder/timeout_unit.h"

#include "platform/number_parsing.h"
#include "transponder/reader_protocol.h"

#include <algorithm>

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

std::chrono::milliseconds AnswerWait(int timeoutUnit, int waitFactor)
{
    const std::int64_t wait = static_cast<std::int64_t>(timeoutUnit) * waitFactor;
    return std::chrono::milliseconds(std::max<std::int64_t>(wait, 0));
}
