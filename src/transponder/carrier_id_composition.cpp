#include "transponder/carrier_id_composition.h"

#include "transponder/carrier_id_length.h"
#include "transponder/page_text_validation.h"
#include "transponder/reader_protocol.h"

#include <algorithm>

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
