#include "platform/number_parsing.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

TEST(ParseLeadingInt32, ReadsLikeTheCRuntime)
{
    const std::vector<std::pair<QString, std::int32_t>> cases = {
        {"9600", 9600},
        {"", 0},
        {"  \t\r\n\v\f42", 42},
        {"+12", 12},
        {"-12", -12},
        {"- 12", 0},
        {"9600 baud", 9600},
        {"1.5", 1},
        {"0x1A", 0},
        {"\u00A012", 0},     // no-break space is not white space here
        {"\uFF11\uFF12", 0}, // full-width digits are not decimal digits here
        {"2147483648", INT32_MAX},
        {"-2147483649", INT32_MIN},
        {"00000000000000000000000000012", 12},
    };
    for (const auto& [text, expected] : cases) {
        SCOPED_TRACE(text.toStdString());
        EXPECT_EQ(ParseLeadingInt32(text), expected);
    }
}

} // namespace
