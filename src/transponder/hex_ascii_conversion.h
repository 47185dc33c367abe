#pragma once

#include <QString>

// ASCII presentation to HEX presentation: each UTF-16 code unit becomes its code in upper-case
// hexadecimal, at least two digits ("%02X"); codes above 0xFF give three or four digits.
// Never fails.
QString AsciiToHex(const QString& text);

// HEX presentation to ASCII presentation: an odd-length text gets one "0" in front, then each pair
// of characters becomes the character whose code is the byte 16 * nibble(first) + nibble(second).
// Any character gives a nibble (only the low 4 bits of its offset from '0' or from 'A' - 10
// count), so this never fails; a 00 byte becomes U+0000 inside the result.
QString HexToAscii(const QString& text);
