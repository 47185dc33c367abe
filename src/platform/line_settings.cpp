#include "platform/line_settings.h"

#include <array>
#include <termios.h>
#include <utility>

namespace {

constexpr std::array<std::pair<std::uint32_t, speed_t>, 30> kBaudRates{
    {{50, B50},           {75, B75},           {110, B110},         {134, B134},
     {150, B150},         {200, B200},         {300, B300},         {600, B600},
     {1200, B1200},       {1800, B1800},       {2400, B2400},       {4800, B4800},
     {9600, B9600},       {19200, B19200},     {38400, B38400},     {57600, B57600},
     {115200, B115200},   {230400, B230400},   {460800, B460800},   {500000, B500000},
     {576000, B576000},   {921600, B921600},   {1000000, B1000000}, {1152000, B1152000},
     {1500000, B1500000}, {2000000, B2000000}, {2500000, B2500000}, {3000000, B3000000},
     {3500000, B3500000}, {4000000, B4000000}}};

bool SpeedFor(std::uint32_t baudRate, speed_t& speed)
{
    // B0 means "hang up", not a line speed, so it is not in the table and 0 is refused.
    for (const auto& [rate, constant] : kBaudRates) {
        if (rate == baudRate) {
            speed = constant;
            return true;
        }
    }
    return false;
}

bool CharacterSizeFor(std::uint8_t byteSize, tcflag_t& flag)
{
    switch (byteSize) {
    case 5:
        flag = CS5;
        return true;
    case 6:
        flag = CS6;
        return true;
    case 7:
        flag = CS7;
        return true;
    case 8:
        flag = CS8;
        return true;
    default:
        return false;
    }
}

} // namespace

LineSettings MakeReaderLineSettings()
{
    LineSettings settings{};
    settings.length = kLineSettingsLength;
    settings.baudRate = kDefaultBaudRate;
    settings.binary = 1;
    settings.dtrControl = kLineControlDisable;
    settings.rtsControl = kLineControlDisable;
    settings.byteSize = 8;
    settings.parity = kParityNone;
    settings.stopBits = kStopBitsOne;
    return settings;
}

bool ApplyToTermios(const LineSettings& settings, termios& attributes)
{
    speed_t speed{};
    tcflag_t characterSize{};
    if (!SpeedFor(settings.baudRate, speed) || !CharacterSizeFor(settings.byteSize, characterSize))
        return false;
    if (settings.outxDsrFlow != 0 || settings.dsrSensitivity != 0 || settings.discardNul != 0)
        return false;

    cfmakeraw(&attributes);
    attributes.c_cflag &= ~(CSIZE | PARENB | PARODD | CSTOPB | CRTSCTS | HUPCL);
    attributes.c_cflag |= characterSize | CREAD | CLOCAL;
    switch (settings.parity) {
    case kParityNone:
        break;
    case kParityOdd:
        attributes.c_cflag |= PARENB | PARODD;
        break;
    case kParityEven:
        attributes.c_cflag |= PARENB;
        break;
    default:
        return false;
    }
    switch (settings.stopBits) {
    case kStopBitsOne:
        break;
    case kStopBitsTwo:
        attributes.c_cflag |= CSTOPB;
        break;
    default:
        return false;
    }
    if (settings.outxCtsFlow != 0)
        attributes.c_cflag |= CRTSCTS;

    attributes.c_iflag &= ~(IXON | IXOFF | IXANY | INPCK | IGNPAR | PARMRK);
    if (settings.outX != 0)
        attributes.c_iflag |= IXON;
    if (settings.inX != 0)
        attributes.c_iflag |= IXOFF;
    if (settings.parityCheck != 0)
        attributes.c_iflag |= INPCK;

    // A read returns at once with whatever is waiting, so a read never outlasts its caller's poll.
    attributes.c_cc[VMIN] = 0;
    attributes.c_cc[VTIME] = 0;

    return cfsetispeed(&attributes, speed) == 0 && cfsetospeed(&attributes, speed) == 0;
}
