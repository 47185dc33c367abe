#include "transponder/page_text_validation.h"

#include "transponder/carrier_id_length.h"

#include <algorithm>

namespace {

constexpr char16_t kLastByteCode = 0xFF;

bool IsAboveByteCode(QChar c)
{
    return c.unicode() > kLastByteCode;
}

int CountFaults(QString& text, DisplayFormat format, qint64 requiredLength)
{
    int faults = 0;
    if (format == DisplayFormat::Hex) {
        faults += static_cast<int>(
            std::count_if(text.cbegin(), text.cend(), [](QChar c) { return !IsHexDigit(c); }));
        for (QChar& c : text) {
            if (c >= u'a' && c <= u'f')
                c = c.toUpper();
        }
    } else {
        faults += static_cast<int>(std::count_if(text.cbegin(), text.cend(), IsAboveByteCode));
    }
    if (requiredLength < 1 || text.size() != requiredLength)
        ++faults;
    return faults;
}

} // namespace

bool HoldsUnsendableCharacter(const QString& text, DisplayFormat format)
{
    return format == DisplayFormat::Ascii &&
           std::any_of(text.cbegin(), text.cend(), IsAboveByteCode);
}

bool IsHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

bool IsHexDigits(const QString& text, qsizetype length)
{
    return text.size() == length && std::all_of(text.cbegin(), text.cend(), IsHexDigit);
}

int CountPageTextFaults(QString& text, DisplayFormat format)
{
    return CountFaults(text, format, PageTextLimit(format));
}

int CountCarrierIdFaults(QString& text, DisplayFormat format, int carrierIdLength)
{
    return CountFaults(text, format, CarrierIdTextLength(format, carrierIdLength));
}
