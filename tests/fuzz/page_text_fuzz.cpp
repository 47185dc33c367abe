// Arbitrary UTF-16 text through the HEX/ASCII conversions and the page and carrier ID validation:
// the round trips hold, and a text that validates converts to exactly the HEX digits it stands for.
#include "fuzz_check.h"
#include "transponder/display_format.h"
#include "transponder/page_text_validation.h"

#include <algorithm>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    // The first byte is the carrier ID length (-8..23, around the valid 1..16), the rest UTF-16.
    const int carrierIdLength = int(data[0] % 32) - 8;
    QString text;
    for (std::size_t i = 1; i + 1 < size; i += 2)
        text += QChar(char16_t(data[i] | data[i + 1] << 8));

    if (std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() <= 0xFF; }))
        Require(HexToAscii(AsciiToHex(text)) == text, "ASCII -> HEX -> ASCII");
    if (std::all_of(text.cbegin(), text.cend(), IsHexDigit)) {
        const QString even = text.size() % 2 == 0 ? text : QLatin1Char('0') + text;
        Require(AsciiToHex(HexToAscii(text)) == even.toUpper(), "HEX -> ASCII -> HEX");
    }

    for (const DisplayFormat format : {DisplayFormat::Hex, DisplayFormat::Ascii}) {
        QString page = text;
        if (CountPageTextFaults(page, format) == 0)
            Require(IsHexDigits(HexFormOf(page, format), 16), "valid page is 16 HEX digits");
        Require(page.compare(text, Qt::CaseInsensitive) == 0, "validation changes case only");

        QString carrierId = text;
        if (CountCarrierIdFaults(carrierId, format, carrierIdLength) == 0)
            Require(IsHexDigits(HexFormOf(carrierId, format), 2 * qsizetype(carrierIdLength)),
                    "valid carrier ID is twice its length in HEX digits");
    }
    return 0;
}
