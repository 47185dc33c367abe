#include "framework/decimal_number.h"

#include <gtest/gtest.h>

namespace {

TEST(ParseDecimalInt32, AcceptsSignedDecimalsWithBlanksAroundAndRefusesAnythingElse)
{
    const struct
    {
        const char16_t* text;
        std::optional<std::int32_t> expected;
    } cases[] = {
        {u"  7 ", 7},
        {u"+12", 12},
        {u"2147483647", INT32_MAX},
        {u"2147483648", {}},
        {u"-2147483649", {}},
        {u"", {}},
        {u"+ 1", {}},
        {u"1 2", {}},
        {u"0x10", {}},
        {u"\u0661", {}}, // a digit of another script
    };
    for (const auto& c : cases) {
        const QString text = QString::fromUtf16(c.text);
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(ParseDecimalInt32(text), c.expected);
    }
}

} // namespace
