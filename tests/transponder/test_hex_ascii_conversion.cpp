#include "transponder/display_format.h"
#include "transponder/hex_ascii_conversion.h"

#include <gtest/gtest.h>

namespace {

QString Chars(std::initializer_list<char16_t> codes)
{
    QString text;
    for (char16_t code : codes)
        text += QChar(code);
    return text;
}

TEST(HexToAscii, TurnsEachPairIntoOneCharacterByTheNibbleRule)
{
    const std::pair<QString, QString> cases[] = {
        {"4a39", "J9"},
        {"zz", "3"}, // any character gives some nibble
        {"Gg  ", Chars({0x00, 0x00})},
        {QString(QChar(0x20AC)) + "~", "W"},
    };
    for (const auto& [hex, ascii] : cases) {
        SCOPED_TRACE(hex.toStdString());
        EXPECT_EQ(HexToAscii(hex), ascii);
    }
}

TEST(AsciiToHex, WritesEachCodeAsUpperCaseHexOfAtLeastTwoDigits)
{
    const std::pair<QString, QString> cases[] = {
        {"J", "4A"},
        {Chars({0x00E9}), "E9"},
        {Chars({0x20AC}), "20AC"},
        {Chars({0}), "00"},
    };
    for (const auto& [ascii, hex] : cases) {
        SCOPED_TRACE(hex.toStdString());
        EXPECT_EQ(AsciiToHex(ascii), hex);
    }
}

TEST(DisplayFormat, OnlyTheSettingOneMeansAscii)
{
    EXPECT_EQ(DisplayFormatFromSetting("1"), DisplayFormat::Ascii);
    for (const QString value : {"0", "", " 1", "01"})
        EXPECT_EQ(DisplayFormatFromSetting(value), DisplayFormat::Hex) << value.toStdString();
}

} // namespace
