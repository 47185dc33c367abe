#include "platform/line_settings.h"

#include <termios.h>

namespace {

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
    tcflag_t characterSize{};
    if (!CharacterSizeFor(settings.byteSize, characterSize))
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
    // A break on the line would otherwise arrive as a NUL byte in the middle of an answer.
    attributes.c_iflag |= IGNBRK;
    if (settings.outX != 0)
        attributes.c_iflag |= IXON;
    if (settings.inX != 0)
        attributes.c_iflag |= IXOFF;
    if (settings.parityCheck != 0)
        attributes.c_iflag |= INPCK;

    // A read returns at once with whatever is waiting, so a read never outlasts its caller's poll.
    attributes.c_cc[VMIN] = 0;
    attributes.c_cc[VTIME] = 0;
    return true;
}
