#include "transponder/carrier_id.h"

#include "transponder/reader_protocol.h"

#include <algorithm>

qint64 CarrierIdTextLength(DisplayFormat format, int length)
{
    const qint64 bytes = std::max(length, 0);
    return format == DisplayFormat::Hex ? 2 * bytes : bytes;
}

int ClampCarrierIdLength(int length)
{
    return std::clamp(length, kMinCarrierIdLength, kMaxCarrierIdLength);
}

int SpinCarrierIdLength(int length, int proposedChange)
{
    if (proposedChange > 0)
        return length <= kMinCarrierIdLength ? kMaxCarrierIdLength : length - 1;
    return length >= kMaxCarrierIdLength ? kMinCarrierIdLength : length + 1;
}

bool CutCarrierIdToLength(QString& text, DisplayFormat format, int length)
{
    const qint64 limit = CarrierIdTextLength(format, length);
    if (text.size() <= limit)
        return false;
    text.truncate(limit);
    return true;
}

bool CarrierIdSpansTwoPages(int length)
{
    return length > kCarrierIdBytesInPage1;
}

namespace {

constexpr int kAreaHexDigits = 2 * kPageHexDigits;

} // namespace

QString CarrierIdFromPages(const QString& page1Answer, const QString& page2Answer, int length)
{
    return (page1Answer + page2Answer).left(CarrierIdTextLength(DisplayFormat::Hex, length));
}

std::optional<CarrierIdPages> ComposeCarrierIdPages(const QString& carrierIdHex,
                                                    const QString& oldPage1,
                                                    const QString& oldPage2, int length)
{
    if (length < kMinCarrierIdLength || length > kMaxCarrierIdLength)
        return std::nullopt;
    const qsizetype idDigits = CarrierIdTextLength(DisplayFormat::Hex, length);
    if (!IsHexDigits(carrierIdHex, idDigits) || !IsHexDigits(oldPage1, kPageHexDigits) ||
        !IsHexDigits(oldPage2, kPageHexDigits))
        return std::nullopt;
    const QString area = carrierIdHex + (oldPage1 + oldPage2).right(kAreaHexDigits - idDigits);
    return CarrierIdPages{area.first(kPageHexDigits), area.last(kPageHexDigits)};
}
