#include "ui/decimal_number.h"

#include <limits>

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
