#include "serial/natural_order.h"

#include <gtest/gtest.h>

TEST(NaturalOrder, OrdersDigitRunsByValueAndTheRestByCharacter)
{
    const std::pair<const char*, const char*> lowerHigher[] = {
        {"ttyS2", "ttyS10"},
        {"ttyACM0", "ttyS0"},
        {"ttyUSB1", "ttyUSB1a"},
        {"ttyS02", "ttyS3"},
        {"ttyS01", "ttyS1"}, // same value: the plain text decides
        {"ttyS4294967296", "ttyS99999999999"},
        {"", "a"},
    };
    for (const auto& [lower, higher] : lowerHigher) {
        SCOPED_TRACE(std::string(lower) + " < " + higher);
        EXPECT_TRUE(NaturalLess(QString::fromLatin1(lower), QString::fromLatin1(higher)));
        EXPECT_FALSE(NaturalLess(QString::fromLatin1(higher), QString::fromLatin1(lower)));
        EXPECT_FALSE(NaturalLess(QString::fromLatin1(lower), QString::fromLatin1(lower)));
    }
}
