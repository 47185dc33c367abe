#pragma once

#include <QString>
#include <cstdint>
#include <optional>

// Reads a 32-bit signed decimal integer: an optional sign and at least one digit 0-9, with blanks
// before and after. Returns nothing for any other text and for values outside the 32-bit range.
std::optional<std::int32_t> ParseDecimalInt32(const QString& text);
