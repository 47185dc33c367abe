#include "platform/profile_file_encoding.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <algorithm>
#include <array>
#include <optional>

namespace {

// Windows-1252 differs from Latin-1 only in 0x80..0x9F. The five bytes it leaves undefined map to
// the control character of the same value, as Windows itself converts them.
constexpr std::array<char16_t, 32> kWindows1252High = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};
constexpr unsigned char kHighBlockStart = 0x80;
constexpr unsigned char kHighBlockEnd = 0x9F;

QString DecodeWindows1252(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const auto byte = static_cast<unsigned char>(c);
        *out++ = (byte >= kHighBlockStart && byte <= kHighBlockEnd)
                     ? QChar(kWindows1252High[byte - kHighBlockStart])
                     : QChar(byte);
    }
    return text;
}

std::optional<char> Windows1252Byte(QChar c)
{
    const char16_t unit = c.unicode();
    if (unit < kHighBlockStart || (unit > kHighBlockEnd && unit <= 0xFF))
        return static_cast<char>(unit);
    const auto found = std::find(kWindows1252High.begin(), kWindows1252High.end(), unit);
    if (found == kWindows1252High.end())
        return std::nullopt;
    return static_cast<char>(kHighBlockStart + (found - kWindows1252High.begin()));
}

std::optional<QByteArray> EncodeWindows1252(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text) {
        const std::optional<char> byte = Windows1252Byte(c);
        if (!byte)
            return std::nullopt;
        bytes.append(*byte);
    }
    return bytes;
}

QStringConverter::Encoding ConverterFor(ProfileEncoding encoding)
{
    switch (encoding) {
    case ProfileEncoding::Utf16LittleEndian:
        return QStringConverter::Utf16LE;
    case ProfileEncoding::Utf16BigEndian:
        return QStringConverter::Utf16BE;
    default:
        return QStringConverter::Utf8;
    }
}

} // namespace

DecodedProfileText DecodeProfileText(const QByteArray& bytes)
{
    ProfileEncoding encoding = ProfileEncoding::Utf8;
    if (bytes.startsWith("\xFF\xFE"))
        encoding = ProfileEncoding::Utf16LittleEndian;
    else if (bytes.startsWith("\xFE\xFF"))
        encoding = ProfileEncoding::Utf16BigEndian;
    QStringDecoder decoder(ConverterFor(encoding), QStringConverter::Flag::ConvertInitialBom |
                                                       QStringConverter::Flag::Stateless);
    QString text = decoder.decode(bytes);
    if (!decoder.hasError() || encoding != ProfileEncoding::Utf8)
        return {std::move(text), encoding};
    return {DecodeWindows1252(bytes), ProfileEncoding::Windows1252};
}

QByteArray EncodeProfileText(const QString& text, ProfileEncoding encoding)
{
    if (encoding == ProfileEncoding::Windows1252) {
        if (std::optional<QByteArray> bytes = EncodeWindows1252(text))
            return *bytes;
    }
    QStringEncoder encoder(ConverterFor(encoding), QStringConverter::Flag::Default);
    return encoder.encode(text);
}
