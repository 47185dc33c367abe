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
