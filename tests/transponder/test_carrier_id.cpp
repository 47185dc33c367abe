#include "transponder/carrier_id_composition.h"
#include "transponder/carrier_id_length.h"
#include "transponder/hex_ascii_conversion.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <tuple>

namespace {

const QString kOnes = "1111111111111111";
const QString kTwos = "2222222222222222";
constexpr int kUp = -1; // the up arrow proposes -1 and lengthens
constexpr int kDown = 1;

TEST(CarrierIdLength, SpinWrapsWithinOneToSixteenAndOperationsClamp)
{
    const std::array<int, 3> spins[] = {
        {16, kUp, 1},   {1, kDown, 16},    {20, kDown, 19},
        {0, kDown, 16}, {INT_MAX, kUp, 1}, {INT_MIN, kDown, 16},
    };
    for (const auto& [length, change, expected] : spins)
        EXPECT_EQ(SpinCarrierIdLength(length, change), expected) << length << " by " << change;
    EXPECT_EQ(ClampCarrierIdLength(0), 1);
    EXPECT_EQ(ClampCarrierIdLength(40), 16);
}

TEST(CutCarrierIdToLength, CutsOnlyLongerTextsAndEmptiesForLengthsBelowOne)
{
    const struct
    {
        QString text;
        DisplayFormat format;
        int length;
        QString after;
    } cases[] = {
        {"0A0B0C0D0E0F", DisplayFormat::Hex, 4, "0A0B0C0D"},
        {"0A0B0C0D", DisplayFormat::Hex, 4, "0A0B0C0D"},
        {"ABCDEF", DisplayFormat::Ascii, 4, "ABCD"},
        {"ABCDEF", DisplayFormat::Ascii, 0, ""},
        {"ABCDEF", DisplayFormat::Hex, -2, ""},
        {"ABCDEF", DisplayFormat::Hex, INT_MAX, "ABCDEF"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString() + " L=" + std::to_string(c.length));
        QString text = c.text;
        const bool cut = CutCarrierIdToLength(text, c.format, c.length);
        EXPECT_EQ(cut, c.after != c.text);
        EXPECT_EQ(text, c.after);
    }
}

TEST(ComposeCarrierIdPages, KeepsTheDigitsAfterTheCarrierId)
{
    const std::array<QString, 3> cases[] = {
        // carrier ID HEX form, new page 1, new page 2 (L is half the HEX length)
        {"0A0B0C", "0A0B0C1111111111", kTwos},
        {AsciiToHex("AB"), "4142111111111111", kTwos},
        {"010203040506070809", "0102030405060708", "0922222222222222"},
        {"0102030405060708090A0B0C0D0E0F10", "0102030405060708", "090A0B0C0D0E0F10"},
    };
    for (const auto& [hex, page1, page2] : cases) {
        SCOPED_TRACE(hex.toStdString());
        const auto pages = ComposeCarrierIdPages(hex, kOnes, kTwos, int(hex.size() / 2));
        ASSERT_TRUE(pages.has_value());
        EXPECT_EQ(pages->page1, page1);
        EXPECT_EQ(pages->page2, page2);
    }
}

TEST(ComposeCarrierIdPages, RefusesToComposeFromAFailedReadOrAWrongId)
{
    const std::tuple<QString, QString, QString, int> cases[] = {
        {"0A0B0C", "No Read\r\n", kTwos, 3},
        {"0A0B0C", kOnes, "XXXXXXXX12345678", 3},
        {"0A0B0C", kOnes + "1", kTwos, 3},
        {"0A0B", kOnes, kTwos, 3},
        // An ASCII character above U+00FF has a HEX form longer than two digits.
        {AsciiToHex(QString("A") + QChar(0x20AC)), kOnes, kTwos, 2},
        {QString(34, '0'), kOnes, kTwos, 17},
    };
    for (const auto& [hex, old1, old2, length] : cases) {
        SCOPED_TRACE(hex.toStdString() + " / " + old1.toStdString() + " / " + old2.toStdString());
        EXPECT_FALSE(ComposeCarrierIdPages(hex, old1, old2, length).has_value());
    }
}

} // namespace
