#include "transponder/display_format.h"

#include "transponder/hex_ascii_conversion.h"
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
