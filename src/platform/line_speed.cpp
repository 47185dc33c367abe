#include "platform/line_speed.h"

#include <asm/termbits.h>
#include <sys/ioctl.h>

#include <algorithm>

static_assert(TerminalMode::kControlCharCount == NCCS);

namespace {

constexpr std::uint64_t kTolerancePercent = 2;

} // namespace

bool IsCloseEnoughLineSpeed(std::uint32_t requested, std::uint32_t actual)
{
    const std::uint64_t difference = requested > actual ? requested - actual : actual - requested;
    return difference * 100 <= requested * kTolerancePercent;
}

bool ApplyTerminalMode(int descriptor, const TerminalMode& mode, std::uint32_t rate)
{
    termios2 before{};
    if (rate == 0 || ::ioctl(descriptor, TCGETS2, &before) != 0)
        return false;
    termios2 wanted = before;
    wanted.c_iflag = mode.inputFlags;
    wanted.c_oflag = mode.outputFlags;
    // No input speed bits: the input runs at the output speed.
    wanted.c_cflag = (mode.controlFlags & ~(CBAUD | CIBAUD)) | BOTHER;
    wanted.c_lflag = mode.localFlags;
    wanted.c_line = mode.lineDiscipline;
    std::copy(mode.controlChars.begin(), mode.controlChars.end(), wanted.c_cc);
    wanted.c_ispeed = rate;
    wanted.c_ospeed = rate;
    if (::ioctl(descriptor, TCSETS2, &wanted) != 0)
        return false;
    const std::optional<std::uint32_t> inForce = ReadLineSpeed(descriptor);
    if (inForce && IsCloseEnoughLineSpeed(rate, *inForce))
        return true;
    ::ioctl(descriptor, TCSETS2, &before);
    return false;
}

std::optional<std::uint32_t> ReadLineSpeed(int descriptor)
{
    termios2 attributes{};
    if (::ioctl(descriptor, TCGETS2, &attributes) != 0)
        return std::nullopt;
    return attributes.c_ospeed;
}
