#include "transponder/page_text_validation.h"

#include "transponder/carrier_id.h"

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

int CountPageTextFaults(QString& text, DisplayFormat format)
{
    return CountFaults(text, format, PageTextLimit(format));
}

int CountCarrierIdFaults(QString& text, DisplayFormat format, int carrierIdLength)
{
    return CountFaults(text, format, CarrierIdTextLength(format, carrierIdLength));
}

namespace {

// %1 is the page label.
constexpr char kPageHexMessage[] =
    "change %1 to a length of 16 hexadecimal (0,1,2,3,4,5,6,7,8,9,A,B,C,D,E,F) characters";
constexpr char kPageAsciiMessage[] = "change %1 to a length of 8 characters";
// %1 is the field's name.
constexpr char kUnsendableMessage[] = "%1 holds a character that cannot be sent to the transponder";
constexpr char kCarrierIdName[] = "carrier ID";
// printf formats; %i is the number of hexadecimal digits or characters.
constexpr char kCarrierIdHexMessage[] =
    "change carrier ID to a length of %i hexadecimal (0,1,2,3,4,5,6,7,8,9,A,B,C,D,E,F) characters";
constexpr char kCarrierIdAsciiMessage[] = "change carrier ID to a length of %i characters";

} // namespace

QString PageTextFaultMessage(const QString& pageLabel, const QString& text, DisplayFormat format)
{
    if (HoldsUnsendableCharacter(text, format))
        return QString::fromLatin1(kUnsendableMessage).arg(pageLabel);
    return QString::fromLatin1(format == DisplayFormat::Hex ? kPageHexMessage : kPageAsciiMessage)
        .arg(pageLabel);
}

QString CarrierIdFaultMessage(int carrierIdLength, const QString& text, DisplayFormat format)
{
    if (HoldsUnsendableCharacter(text, format))
        return QString::fromLatin1(kUnsendableMessage).arg(QLatin1StringView(kCarrierIdName));
    if (format == DisplayFormat::Hex)
        return QString::asprintf(kCarrierIdHexMessage, 2 * carrierIdLength);
    return QString::asprintf(kCarrierIdAsciiMessage, carrierIdLength);
}
