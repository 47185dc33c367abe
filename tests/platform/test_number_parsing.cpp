#include "platform/number_parsing.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

struct ParseCase
{
    QString text;
    std::int32_t expected;
};

TEST(ParseLeadingInt32, ReadsLikeTheCRuntime)
{
    const std::vector<ParseCase> cases = {
        {"9600", 9600},
        {"19200", 19200},
        {"", 0},
        {"fast", 0},
        {"abc", 0},
        {"0", 0},
        {"007", 7},
        {"  \t\r\n\v\f42", 42},
        {"+12", 12},
        {"-12", -12},
        {"- 12", 0},
        {"+-12", 0},
        {"--12", 0},
        {"12abc", 12},
        {"9600 baud", 9600},
        {"12 34", 12},
        {"1.5", 1},
        {"0x1A", 0},
        {"\u00A012", 0},     // no-break space is not white space here
        {"\uFF11\uFF12", 0}, // full-width digits are not decimal digits here
        {"2147483647", 2147483647},
        {"-2147483648", INT32_MIN},
        {"2147483648", INT32_MAX},
        {"-2147483649", INT32_MIN},
        {"99999999999999999999999999999", INT32_MAX},
        {"-99999999999999999999999999999", INT32_MIN},
        {"00000000000000000000000000012", 12},
    };
    for (const ParseCase& c : cases) {
        SCOPED_TRACE(c.text.toStdString());
        EXPECT_EQ(ParseLeadingInt32(c.text), c.expected);
    }
}

} // namespace
