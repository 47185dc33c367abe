#pragma once

#include <QString>

// How page data and the carrier ID are presented in their fields: HEX shows two hexadecimal digits
// per byte, ASCII one character per byte. The numeric values are the ones the settings file holds.
enum class DisplayFormat : int {
    Hex = 0,
    Ascii = 1,
};

// The format a settings value stands for: "1" is ASCII, anything else (also a missing value) HEX.
DisplayFormat DisplayFormatFromSetting(const QString& value);

// The settings value of a format: "0" or "1".
QString DisplayFormatSetting(DisplayFormat format);

// The HEX form of a text shown in format: the text itself in HEX, AsciiToHex of it in ASCII.
QString HexFormOf(const QString& text, DisplayFormat format);

// The text a field shows for HEX data read from the reader: the data itself in HEX, HexToAscii of
// it in ASCII.
QString PresentHex(const QString& hex, DisplayFormat format);

// Input limit of a page field: 16 characters in HEX, 8 in ASCII.
int PageTextLimit(DisplayFormat format);

// ASCII presentation to HEX presentation: each UTF-16 code unit becomes its code in upper-case
// hexadecimal, at least two digits ("%02X"); codes above 0xFF give three or four digits.
// Never fails.
QString AsciiToHex(const QString& text);

// HEX presentation to ASCII presentation: an odd-length text gets one "0" in front, then each pair
// of characters becomes the character whose code is the byte 16 * nibble(first) + nibble(second).
// Any character gives a nibble (only the low 4 bits of its offset from '0' or from 'A' - 10
// count), so this never fails; a 00 byte becomes U+0000 inside the result.
QString HexToAscii(const QString& text);

// True for "0".."9", "A".."F" and "a".."f".
bool IsHexDigit(QChar c);

// True when text is exactly length hexadecimal digits.
bool IsHexDigits(const QString& text, qsizetype length);
