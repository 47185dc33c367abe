#include "serial/receive_line.h"

#include <algorithm>

namespace {

constexpr std::uint8_t kLineFeed = 0x0A;
constexpr std::uint8_t kNul = 0x00;

} // namespace

QByteArrayView ReceiveLine::CompleteLine()
{
    const auto end = static_cast<std::size_t>(count);
    buffer[end] = kCarriageReturn;
    buffer[end + 1] = kLineFeed;
    buffer[end + 2] = kNul;
    lastLineCut = cutting;
    DiscardCurrentLine();
    return TextView();
}

void ReceiveLine::DiscardCurrentLine()
{
    count = 0;
    cutting = false;
}

QByteArrayView ReceiveLine::TextView() const
{
    const auto nul = std::find(buffer.begin(), buffer.end(), kNul);
    return QByteArrayView(buffer.data(), nul - buffer.begin());
}
