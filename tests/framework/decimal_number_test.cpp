#include "framework/decimal_number.h"

#include <gtest/gtest.h>

namespace {

struct NumberCase
{
    const char16_t* text;
    std::optional<std::int32_t> expected;
};

TEST(ParseDecimalInt32, AcceptsSignedDecimalsWithBlanksAroundAndRefusesAnythingElse)
{
    const NumberCase cases[] = {
        {u"0", 0},
        {u"16", 16},
        {u"  7 ", 7},
        {u"\t-3\t", -3},
        {u"+12", 12},
        {u"007", 7},
        {u"2147483647", 2147483647},
        {u"-2147483648", INT32_MIN},
        {u"2147483648", std::nullopt},
        {u"-2147483649", std::nullopt},
        {u"99999999999999999999", std::nullopt},
        {u"", std::nullopt},
        {u"   ", std::nullopt},
        {u"-", std::nullopt},
        {u"+ 1", std::nullopt},
        {u"1 2", std::nullopt},
        {u"12abc", std::nullopt},
        {u"0x10", std::nullopt},
        {u"1.5", std::nullopt},
        {u"\u0661", std::nullopt}, // a digit of another script
    };
    for (const NumberCase& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(ParseDecimalInt32(text), c.expected);
    }
}

} // namespace
