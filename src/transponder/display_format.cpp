#include "transponder/display_format.h"

#include "transponder/reader_protocol.h"

namespace {

constexpr QLatin1StringView kHexSetting{"0"};
constexpr QLatin1StringView kAsciiSetting{"1"};

} // namespace

DisplayFormat DisplayFormatFromSetting(const QString& value)
{
    return value == kAsciiSetting ? DisplayFormat::Ascii : DisplayFormat::Hex;
}

QString DisplayFormatSetting(DisplayFormat format)
{
    return format == DisplayFormat::Ascii ? kAsciiSetting : kHexSetting;
}

QString HexFormOf(const QString& text, DisplayFormat format)
{
    return format == DisplayFormat::Ascii ? AsciiToHex(text) : text;
}

QString PresentHex(const QString& hex, DisplayFormat format)
{
    return format == DisplayFormat::Ascii ? HexToAscii(hex) : hex;
}

int PageTextLimit(DisplayFormat format)
{
    return format == DisplayFormat::Ascii ? kPageBytes : kPageHexDigits;
}

namespace {

constexpr char16_t kLastDigit = u'9';
constexpr char16_t kDigitBase = u'0';
constexpr char16_t kLetterBase = u'A' - 10;
constexpr unsigned kNibbleMask = 0x0F;

unsigned NibbleOf(QChar c)
{
    const unsigned code = c.unicode();
    // Unsigned wrap-around is the modulo 16 the rule asks for: only the low 4 bits are kept.
    return (code <= kLastDigit ? code - kDigitBase : code - kLetterBase) & kNibbleMask;
}

} // namespace

QString AsciiToHex(const QString& text)
{
    QString hex;
    hex.reserve(text.size() * 2);
    for (const QChar c : text)
        hex += QString::asprintf("%02X", static_cast<unsigned>(c.unicode()));
    return hex;
}

QString HexToAscii(const QString& text)
{
    const QString padded = text.size() % 2 == 0 ? text : QLatin1Char('0') + text;
    QString ascii;
    ascii.reserve(padded.size() / 2);
    for (qsizetype i = 0; i < padded.size(); i += 2) {
        const unsigned byte = 16 * NibbleOf(padded[i]) + NibbleOf(padded[i + 1]);
        ascii += QChar(static_cast<char16_t>(byte));
    }
    return ascii;
}

bool IsHexDigit(QChar c)
{
    return (c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f');
}

bool IsHexDigits(const QString& text, qsizetype length)
{
    return text.size() == length && std::all_of(text.cbegin(), text.cend(), IsHexDigit);
}
