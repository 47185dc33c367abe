#include "transponder/validation_messages.h"

namespace {

// %1 is the page label.
constexpr char kPageHexMessage[] =
    "change %1 to a length of 16 hexadecimal (0,1,2,3,4,5,6,7,8,9,A,B,C,D,E,F) characters";
constexpr char kPageAsciiMessage[] = "change %1 to a length of 8 characters";
// printf formats; %i is the carrier ID length.
constexpr char kCarrierIdHexMessage[] =
    "change carrier ID to a length of %i hexadecimal (0,1,2,3,4,5,6,7,8,9,A,B,C,D,E,F) characters";
constexpr char kCarrierIdAsciiMessage[] = "change carrier ID to a length of %i characters";

} // namespace

QString PageTextFaultMessage(const QString& pageLabel, DisplayFormat format)
{
    return QString::fromLatin1(format == DisplayFormat::Hex ? kPageHexMessage : kPageAsciiMessage)
        .arg(pageLabel);
}

QString CarrierIdFaultMessage(int carrierIdLength, DisplayFormat format)
{
    return QString::asprintf(format == DisplayFormat::Hex ? kCarrierIdHexMessage
                                                          : kCarrierIdAsciiMessage,
                             carrierIdLength);
}
