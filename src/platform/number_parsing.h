#pragma once

#include <QString>

#include <cstdint>
#include <optional>

// Returns the decimal integer at the start of `text` as the C runtime's string-to-int calls read
// it: leading white space (space, tab, LF, VT, FF, CR) is skipped, one optional '+' or '-' is
// taken, then ASCII digits up to the first other character. Text without such digits gives 0.
// A number outside the 32-bit range is clamped to INT32_MIN or INT32_MAX; digits are never lost
// to wrap-around.
std::int32_t ParseLeadingInt32(const QString& text);

// Reads a whole 32-bit signed decimal integer: an optional sign and at least one digit 0-9, with
// blanks before and after. Returns nothing for any other text and for values outside the range.
std::optional<std::int32_t> ParseDecimalInt32(const QString& text);
