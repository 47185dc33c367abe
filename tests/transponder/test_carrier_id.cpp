#include "transponder/carrier_id_composition.h"
#include "transponder/carrier_id_length.h"
#include "transponder/hex_ascii_conversion.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

const QString kOnes = "1111111111111111";
const QString kTwos = "2222222222222222";

TEST(SpinCarrierIdLength, WrapsWithinOneToSixteen)
{
    constexpr int kUp = -1; // the up arrow proposes -1 and lengthens
    constexpr int kDown = 1;
    const struct
    {
        int length;
        int change;
        int expected;
    } cases[] = {
        {16, kUp, 1},   {1, kDown, 16},  {8, kUp, 9},        {8, kDown, 7},
        {20, kUp, 1},   {20, kDown, 19}, {0, kUp, 1},        {0, kDown, 16},
        {-7, kUp, -6},  {15, 0, 16},     {INT_MAX, kUp, 1},  {INT_MIN, kDown, 16},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::to_string(c.length) + " by " + std::to_string(c.change));
        EXPECT_EQ(SpinCarrierIdLength(c.length, c.change), c.expected);
    }
}

TEST(ClampCarrierIdLength, BringsTypedLengthsIntoRange)
{
    EXPECT_EQ(ClampCarrierIdLength(0), 1);
    EXPECT_EQ(ClampCarrierIdLength(-4), 1);
    EXPECT_EQ(ClampCarrierIdLength(40), 16);
    EXPECT_EQ(ClampCarrierIdLength(12), 12);
    EXPECT_FALSE(CarrierIdSpansTwoPages(8));
    EXPECT_TRUE(CarrierIdSpansTwoPages(9));
}

TEST(CutCarrierIdToLength, CutsOnlyLongerTexts)
{
    const struct
    {
        QString text;
        DisplayFormat format;
        int length;
        QString after;
        bool cut;
    } cases[] = {
        {"0A0B0C0D0E0F", DisplayFormat::Hex, 4, "0A0B0C0D", true},
        {"0A0B0C0D", DisplayFormat::Hex, 6, "0A0B0C0D", false},
        {"0A0B0C0D", DisplayFormat::Hex, 4, "0A0B0C0D", false},
        {kOnes, DisplayFormat::Hex, 1, "11", true},
        {"ABCDEF", DisplayFormat::Ascii, 4, "ABCD", true},
        {"AB", DisplayFormat::Ascii, 4, "AB", false},
        {"ABCDEF", DisplayFormat::Ascii, 0, "", true},
        {"ABCDEF", DisplayFormat::Hex, -2, "", true},
        {"", DisplayFormat::Hex, -2, "", false},
        {"ABCDEF", DisplayFormat::Hex, INT_MAX, "ABCDEF", false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString() + " L=" + std::to_string(c.length));
        QString text = c.text;
        EXPECT_EQ(CutCarrierIdToLength(text, c.format, c.length), c.cut);
        EXPECT_EQ(text, c.after);
    }
}

TEST(CarrierIdFromPages, TakesTheFirstDigitsOfBothPagesTogether)
{
    EXPECT_EQ(CarrierIdFromPages("0A0B0C0D11111111", "", 4), "0A0B0C0D");
    EXPECT_EQ(CarrierIdFromPages(kOnes, kTwos, 12), kOnes + "22222222");
    EXPECT_EQ(CarrierIdFromPages(kOnes, kTwos, 16), kOnes + kTwos);
    // A failed page 1 answer shows in front of page 2's digits.
    EXPECT_EQ(CarrierIdFromPages("No Read\r\n", kTwos, 12), "No Read\r\n" + kTwos.left(15));
    EXPECT_EQ(CarrierIdFromPages("", "", 4), "");
    EXPECT_EQ(CarrierIdFromPages(kOnes, "", 0), "");
}

TEST(ComposeCarrierIdPages, KeepsTheDigitsAfterTheCarrierId)
{
    const struct
    {
        QString hex;
        int length;
        QString page1;
        QString page2;
    } cases[] = {
        {"0A0B0C", 3, "0A0B0C1111111111", kTwos},
        {AsciiToHex("AB"), 2, "4142111111111111", kTwos},
        {"0102030405060708", 8, "0102030405060708", kTwos},
        {"010203040506070809", 9, "0102030405060708", "0922222222222222"},
        {"0102030405060708090A0B0C0D0E0F10", 16, "0102030405060708", "090A0B0C0D0E0F10"},
        {"0a", 1, "0a11111111111111", kTwos},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hex.toStdString());
        const auto pages = ComposeCarrierIdPages(c.hex, kOnes, kTwos, c.length);
        ASSERT_TRUE(pages.has_value());
        EXPECT_EQ(pages->page1, c.page1);
        EXPECT_EQ(pages->page2, c.page2);
    }
}

TEST(ComposeCarrierIdPages, RefusesToComposeFromAFailedReadOrAWrongId)
{
    const struct
    {
        QString hex;
        QString old1;
        QString old2;
        int length;
    } cases[] = {
        {"0A0B0C", "", kTwos, 3},
        {"0A0B0C", "No Read\r\n", kTwos, 3},
        {"0A0B0C", kOnes, "XXXXXXXX12345678", 3},
        {"0A0B0C", kOnes, "0123456789ABCD\r\n", 3},
        {"0A0B0C", kOnes.left(15), kTwos, 3},
        {"0A0B0C", kOnes + "1", kTwos, 3},
        {"0A0B", kOnes, kTwos, 3},
        {"0A0B0G", kOnes, kTwos, 3},
        // An ASCII character above U+00FF has a HEX form longer than two digits.
        {AsciiToHex(QString("A") + QChar(0x20AC)), kOnes, kTwos, 2},
        {"", kOnes, kTwos, 0},
        {QString(34, '0'), kOnes, kTwos, 17},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.hex.toStdString() + " / " + c.old1.toStdString() + " / " +
                     c.old2.toStdString());
        EXPECT_FALSE(ComposeCarrierIdPages(c.hex, c.old1, c.old2, c.length).has_value());
    }
}

} // namespace
