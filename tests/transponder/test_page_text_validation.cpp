#include "transponder/page_text_validation.h"

#include <gtest/gtest.h>

#include <optional>

namespace {

struct ValidationCase
{
    QString text;
    DisplayFormat format;
    std::optional<int> length; // carrier ID length; none validates the text as a page
    int faults;
    QString textAfter;
};

int CountFaults(QString& text, const ValidationCase& c)
{
    return c.length ? CountCarrierIdFaults(text, c.format, *c.length)
                    : CountPageTextFaults(text, c.format);
}

TEST(Validation, CountsBadCharactersAndAWrongLengthAndUpperCasesHex)
{
    const QString euro(QChar(0x20AC));
    const auto hex = DisplayFormat::Hex;
    const auto ascii = DisplayFormat::Ascii;
    const ValidationCase cases[] = {
        {"0123456789abcdef", hex, {}, 0, "0123456789ABCDEF"},
        {"0123456789abcdeg", hex, {}, 1, "0123456789ABCDEg"},
        {"01234567", hex, {}, 1, "01234567"},
        {"", hex, {}, 1, ""},
        {QString(8, QChar(0x00E9)), ascii, {}, 0, QString(8, QChar(0x00E9))},
        // A character above U+00FF cannot be one byte of a page.
        {"1234567" + euro, ascii, {}, 1, "1234567" + euro},
        {euro + euro, ascii, {}, 3, euro + euro},
        {"0a0b0c", hex, 3, 0, "0A0B0C"},
        {"0A0B0C", hex, 16, 1, "0A0B0C"},
        {"A" + euro, ascii, 2, 1, "A" + euro},
        // Lengths the operations never pass still fail instead of accepting an empty ID.
        {"", hex, 0, 1, ""},
        {"", ascii, -3, 1, ""},
        {"AB", hex, 2'000'000'000, 1, "AB"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString() + " L=" + std::to_string(c.length.value_or(0)));
        QString text = c.text;
        EXPECT_EQ(CountFaults(text, c), c.faults);
        EXPECT_EQ(text, c.textAfter);
        // Whatever passes goes out as exactly two hexadecimal digits per byte.
        if (c.faults == 0) {
            EXPECT_TRUE(IsHexDigits(HexFormOf(text, c.format), 2 * c.length.value_or(8)));
        }
    }
}

} // namespace
