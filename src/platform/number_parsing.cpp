#include "platform/number_parsing.h"

#include <limits>

namespace {

bool IsCRuntimeSpace(QChar c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

} // namespace

std::int32_t ParseLeadingInt32(const QString& text)
{
    qsizetype i = 0;
    const qsizetype size = text.size();
    while (i < size && IsCRuntimeSpace(text[i]))
        ++i;
    bool negative = false;
    if (i < size && (text[i] == u'+' || text[i] == u'-')) {
        negative = text[i] == u'-';
        ++i;
    }
    // Accumulate in 64 bits and stop growing once past the 32-bit range, so any digit count is
    // safe.
    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (; i < size && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        if (magnitude <= kLimit)
            magnitude = magnitude * 10 + (text[i].unicode() - u'0');
    }
    if (negative)
        return magnitude >= kLimit ? std::numeric_limits<std::int32_t>::min()
                                   : static_cast<std::int32_t>(-magnitude);
    return magnitude >= kLimit ? std::numeric_limits<std::int32_t>::max()
                               : static_cast<std::int32_t>(magnitude);
}

std::optional<std::int32_t> ParseDecimalInt32(const QString& text)
{
    const QString trimmed = text.trimmed();
    qsizetype position = 0;
    bool negative = false;
    if (position < trimmed.size() && (trimmed[position] == u'+' || trimmed[position] == u'-')) {
        negative = trimmed[position] == u'-';
        ++position;
    }
    if (position == trimmed.size())
        return std::nullopt;
    // Accumulated as a negative number, which reaches the lowest 32-bit value.
    const std::int64_t lowest = std::numeric_limits<std::int32_t>::min();
    std::int64_t value = 0;
    for (; position < trimmed.size(); ++position) {
        const char16_t c = trimmed[position].unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        value = value * 10 - (c - u'0');
        if (value < lowest)
            return std::nullopt;
    }
    if (!negative && -value > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(negative ? value : -value);
}
