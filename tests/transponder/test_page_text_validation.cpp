#include "transponder/page_text_validation.h"
#include "transponder/validation_messages.h"

#include <gtest/gtest.h>

namespace {

struct ValidationCase
{
    QString text;
    DisplayFormat format;
    int faults;
    QString textAfter; // the text as validation leaves it
};

TEST(CountPageTextFaults, CountsBadCharactersAndAWrongLength)
{
    const QString euro(QChar(0x20AC));
    const ValidationCase cases[] = {
        {"0123456789abcdef", DisplayFormat::Hex, 0, "0123456789ABCDEF"},
        {"0123456789ABCDEF", DisplayFormat::Hex, 0, "0123456789ABCDEF"},
        {"0123456789ABCDEG", DisplayFormat::Hex, 1, "0123456789ABCDEG"},
        {"0123456789abcdeg", DisplayFormat::Hex, 1, "0123456789ABCDEg"},
        {"01234567", DisplayFormat::Hex, 1, "01234567"},
        {"0123 567", DisplayFormat::Hex, 2, "0123 567"},
        {"0123456789ABCDEF0", DisplayFormat::Hex, 1, "0123456789ABCDEF0"},
        {"", DisplayFormat::Hex, 1, ""},
        {"zzzzzzzzzzzzzzzz", DisplayFormat::Hex, 16, "zzzzzzzzzzzzzzzz"},
        {"12345678", DisplayFormat::Ascii, 0, "12345678"},
        {"ab cd!?G", DisplayFormat::Ascii, 0, "ab cd!?G"},
        {QString(8, QChar(0x00E9)), DisplayFormat::Ascii, 0, QString(8, QChar(0x00E9))},
        {"1234567", DisplayFormat::Ascii, 1, "1234567"},
        {"123456789", DisplayFormat::Ascii, 1, "123456789"},
        // A character above U+00FF cannot be one byte of a page.
        {"1234567" + euro, DisplayFormat::Ascii, 1, "1234567" + euro},
        {euro + euro, DisplayFormat::Ascii, 3, euro + euro},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString() + (c.format == DisplayFormat::Hex ? " HEX" : " ASCII"));
        QString text = c.text;
        EXPECT_EQ(CountPageTextFaults(text, c.format), c.faults);
        EXPECT_EQ(text, c.textAfter);
    }
}

struct CarrierIdCase
{
    QString text;
    DisplayFormat format;
    int length;
    int faults;
};

TEST(CountCarrierIdFaults, RequiresTwoDigitsPerByteInHexAndOneCharacterInAscii)
{
    const CarrierIdCase cases[] = {
        {"0A0B0C", DisplayFormat::Hex, 3, 0},
        {"0a0b0c", DisplayFormat::Hex, 3, 0},
        {"0A0B0", DisplayFormat::Hex, 3, 1},
        {"0A0B0X", DisplayFormat::Hex, 3, 1},
        {QString(32, 'F'), DisplayFormat::Hex, 16, 0},
        {"AB", DisplayFormat::Ascii, 2, 0},
        {"ABC", DisplayFormat::Ascii, 2, 1},
        {QString("A") + QChar(0x20AC), DisplayFormat::Ascii, 2, 1},
        // Lengths nobody should pass still give a fault instead of accepting an empty ID.
        {"", DisplayFormat::Hex, 0, 1},
        {"", DisplayFormat::Ascii, -3, 1},
        {"AB", DisplayFormat::Hex, 2'000'000'000, 1},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.toStdString() + " L=" + std::to_string(c.length));
        QString text = c.text;
        EXPECT_EQ(CountCarrierIdFaults(text, c.format, c.length), c.faults);
    }
}

TEST(CountCarrierIdFaults, UpperCasesHexDigits)
{
    QString text = "0a0b0c";
    CountCarrierIdFaults(text, DisplayFormat::Hex, 3);
    EXPECT_EQ(text, "0A0B0C");
    QString ascii = "ab";
    CountCarrierIdFaults(ascii, DisplayFormat::Ascii, 2);
    EXPECT_EQ(ascii, "ab");
}

TEST(ValidationMessages, NameThePageOrTheCarrierIdLength)
{
    EXPECT_EQ(PageTextFaultMessage("P4", DisplayFormat::Hex),
              "change P4 to a length of 16 hexadecimal (0,1,2,3,4,5,6,7,8,9,A,B,C,D,E,F) "
              "characters");
    EXPECT_EQ(PageTextFaultMessage("P17", DisplayFormat::Ascii),
              "change P17 to a length of 8 characters");
    EXPECT_EQ(CarrierIdFaultMessage(3, DisplayFormat::Hex),
              "change carrier ID to a length of 3 hexadecimal (0,1,2,3,4,5,6,7,8,9,A,B,C,D,E,F) "
              "characters");
    EXPECT_EQ(CarrierIdFaultMessage(12, DisplayFormat::Ascii),
              "change carrier ID to a length of 12 characters");
}

} // namespace
