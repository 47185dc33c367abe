#include "serial/natural_order.h"

#include <gtest/gtest.h>

namespace {

struct OrderCase
{
    const char* lower;
    const char* higher;
};

const OrderCase kOrderCases[] = {
    {"ttyS2", "ttyS10"},
    {"ttyS9", "ttyS10"},
    {"ttyS10", "ttyS11"},
    {"ttyACM0", "ttyS0"},
    {"ttyS1", "ttyUSB0"},
    {"ttyUSB1", "ttyUSB1a"},
    {"tty", "ttyS0"},
    {"ttyS02", "ttyS3"},
    {"ttyS01", "ttyS1"}, // same value: the plain text decides
    {"ttyS4294967296", "ttyS99999999999"},
    {"/dev/serial/by-id/usb-A", "ttyS0"},
    {"usb-2-port0", "usb-10-port0"},
    {"usb-2-port3", "usb-2-port12"},
    {"", "a"},
};

} // namespace

TEST(NaturalOrder, OrdersDigitRunsByValueAndTheRestByCharacter)
{
    for (const OrderCase& c : kOrderCases) {
        SCOPED_TRACE(std::string(c.lower) + " < " + c.higher);
        const QString lower = QString::fromLatin1(c.lower);
        const QString higher = QString::fromLatin1(c.higher);
        EXPECT_TRUE(NaturalLess(lower, higher));
        EXPECT_FALSE(NaturalLess(higher, lower));
    }
}

TEST(NaturalOrder, EqualNamesAreNotLess)
{
    for (const char* name : {"", "ttyS0", "ttyS10", "007"}) {
        SCOPED_TRACE(name);
        EXPECT_FALSE(NaturalLess(QString::fromLatin1(name), QString::fromLatin1(name)));
    }
}
