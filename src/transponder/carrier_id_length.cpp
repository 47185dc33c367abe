#include "transponder/carrier_id_length.h"

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
