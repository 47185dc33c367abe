#include "transponder/display_format.h"
#include "transponder/hex_ascii_conversion.h"

#include <gtest/gtest.h>

namespace {

struct HexToAsciiCase
{
    QString hex;
    QString ascii;
};

TEST(HexToAscii, TurnsEachPairIntoOneCharacterByTheNibbleRule)
{
    const HexToAsciiCase cases[] = {
        {"3132333435363738", "12345678"},
        {"4142434445464748", "ABCDEFGH"},
        {"4a", "J"},
        {"4A", "J"},
        // Odd length: one "0" goes in front.
        {"ABC", QString(QChar(0x0A)) + QChar(0xBC)},
        // Characters that are not hexadecimal digits still give a nibble.
        {"zz", "3"},
        {"GG", QString(QChar(0x00))},
        {"gg", QString(QChar(0x00))},
        {"  ", QString(QChar(0x00))},
        {"ff", QString(QChar(0xFF))},
        {"", ""},
        {"4100420043004400",
         QString("A") + QChar(0) + "B" + QChar(0) + "C" + QChar(0) + "D" + QChar(0)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hex.toStdString());
        EXPECT_EQ(HexToAscii(c.hex), c.ascii);
    }
}

TEST(HexToAscii, NeverGivesACodeAboveOneByte)
{
    // Characters far outside the digits, including ones above U+00FF, keep only their low nibble.
    const QString wild = QString(QChar(0x20AC)) + QChar(0xFFFF) + QChar(0x00E9) + "~";
    for (const QChar c : HexToAscii(wild))
        EXPECT_LE(c.unicode(), 0xFF);
    EXPECT_EQ(HexToAscii(wild).size(), 2);
}

struct AsciiToHexCase
{
    QString ascii;
    QString hex;
};

TEST(AsciiToHex, WritesEachCodeAsUpperCaseHexOfAtLeastTwoDigits)
{
    const AsciiToHexCase cases[] = {
        {"12345678", "3132333435363738"},
        {"J", "4A"},
        {QString(QChar(0x00E9)), "E9"},
        {QString(QChar(0x20AC)), "20AC"},
        {QString(QChar(0x0100)), "100"},
        {QString(QChar(0x0000)), "00"},
        {QString(QChar(0x0A)) + QChar(0xBC), "0ABC"},
        {"", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hex.toStdString());
        EXPECT_EQ(AsciiToHex(c.ascii), c.hex);
    }
}

TEST(Conversions, HexToAsciiAndBackGivesTheUpperCasedHexForNonZeroBytes)
{
    const QString texts[] = {"3132333435363738", "0a0b0c0d0e0f1011", "FFEEDDCCBBAA9988", "7F"};
    for (const QString& hex : texts) {
        SCOPED_TRACE(hex.toStdString());
        EXPECT_EQ(AsciiToHex(HexToAscii(hex)), hex.toUpper());
    }
}

TEST(DisplayFormat, HexFormAndPresentationFollowTheFormat)
{
    EXPECT_EQ(HexFormOf("AB", DisplayFormat::Ascii), "4142");
    EXPECT_EQ(HexFormOf("ab", DisplayFormat::Hex), "ab");
    EXPECT_EQ(PresentHex("4142", DisplayFormat::Ascii), "AB");
    EXPECT_EQ(PresentHex("4142", DisplayFormat::Hex), "4142");
    EXPECT_EQ(PageTextLimit(DisplayFormat::Hex), 16);
    EXPECT_EQ(PageTextLimit(DisplayFormat::Ascii), 8);
}

TEST(DisplayFormat, OnlyTheSettingOneMeansAscii)
{
    const std::pair<QString, DisplayFormat> cases[] = {
        {"1", DisplayFormat::Ascii}, {"0", DisplayFormat::Hex},  {"", DisplayFormat::Hex},
        {" 1", DisplayFormat::Hex},  {"01", DisplayFormat::Hex}, {"ASCII", DisplayFormat::Hex},
    };
    for (const auto& [value, format] : cases) {
        SCOPED_TRACE(value.toStdString());
        EXPECT_EQ(DisplayFormatFromSetting(value), format);
    }
    EXPECT_EQ(DisplayFormatSetting(DisplayFormat::Hex), "0");
    EXPECT_EQ(DisplayFormatSetting(DisplayFormat::Ascii), "1");
    EXPECT_EQ(static_cast<int>(DisplayFormat::Hex), 0);
    EXPECT_EQ(static_cast<int>(DisplayFormat::Ascii), 1);
}

} // namespace
