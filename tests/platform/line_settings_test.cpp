#include "platform/line_settings.h"

#include <gtest/gtest.h>
#include <termios.h>

TEST(LineSettings, ReaderSettingsAreEightNoneOneWithoutHandshake)
{
    const LineSettings settings = MakeReaderLineSettings();
    EXPECT_EQ(settings.length, kLineSettingsLength);
    EXPECT_EQ(settings.baudRate, 115200u);
    EXPECT_EQ(settings.binary, 1);
    EXPECT_EQ(settings.byteSize, 8);
    EXPECT_EQ(settings.parity, kParityNone);
    EXPECT_EQ(settings.stopBits, kStopBitsOne);
    EXPECT_EQ(settings.dtrControl, kLineControlDisable);
    EXPECT_EQ(settings.rtsControl, kLineControlDisable);
    EXPECT_EQ(settings.outxCtsFlow + settings.outX + settings.inX + settings.discardNul, 0);

    termios attributes{};
    ASSERT_TRUE(ApplyToTermios(settings, attributes));
    EXPECT_EQ(attributes.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(attributes.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_NE(attributes.c_cflag & CREAD, 0u);
    EXPECT_NE(attributes.c_cflag & CLOCAL, 0u);
    EXPECT_EQ(attributes.c_iflag & (IXON | IXOFF | ICRNL | IGNCR | INLCR | ISTRIP), 0u);
    EXPECT_EQ(attributes.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(attributes.c_oflag & OPOST, 0u);
    EXPECT_EQ(attributes.c_cc[VMIN], 0);
    EXPECT_EQ(attributes.c_cc[VTIME], 0);
    EXPECT_EQ(cfgetispeed(&attributes), static_cast<speed_t>(B115200));
    EXPECT_EQ(cfgetospeed(&attributes), static_cast<speed_t>(B115200));
}

TEST(LineSettings, BaudRatesMapToTheirConstantsOrAreRefused)
{
    struct Case
    {
        std::uint32_t rate;
        bool accepted;
        speed_t speed;
    };
    const Case cases[] = {
        {9600, true, B9600},   {19200, true, B19200},   {38400, true, B38400},
        {57600, true, B57600}, {115200, true, B115200}, {921600, true, B921600},
        {0, false, B0},        {12345, false, B0},      {0xFFFFFFFFu, false, B0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.rate);
        LineSettings settings = MakeReaderLineSettings();
        settings.baudRate = c.rate;
        termios attributes{};
        EXPECT_EQ(ApplyToTermios(settings, attributes), c.accepted);
        if (c.accepted) {
            EXPECT_EQ(cfgetospeed(&attributes), c.speed);
        }
    }
}

TEST(LineSettings, FramingAndHandshakeFieldsMapOrAreRefused)
{
    struct Case
    {
        const char* name;
        void (*change)(LineSettings&);
        bool accepted;
        tcflag_t cflagSet;
        tcflag_t iflagSet;
    };
    const Case cases[] = {
        {"seven bits", [](LineSettings& s) { s.byteSize = 7; }, true, CS7, 0},
        {"four bits", [](LineSettings& s) { s.byteSize = 4; }, false, 0, 0},
        {"odd parity", [](LineSettings& s) { s.parity = kParityOdd; }, true, PARENB | PARODD, 0},
        {"even parity", [](LineSettings& s) { s.parity = kParityEven; }, true, PARENB, 0},
        {"mark parity", [](LineSettings& s) { s.parity = 3; }, false, 0, 0},
        {"two stop bits", [](LineSettings& s) { s.stopBits = kStopBitsTwo; }, true, CSTOPB, 0},
        {"1.5 stop bits", [](LineSettings& s) { s.stopBits = kStopBitsOnePointFive; }, false, 0, 0},
        {"cts handshake", [](LineSettings& s) { s.outxCtsFlow = 1; }, true, CRTSCTS, 0},
        {"xon/xoff", [](LineSettings& s) { s.outX = s.inX = 1; }, true, 0, IXON | IXOFF},
        {"dsr handshake", [](LineSettings& s) { s.outxDsrFlow = 1; }, false, 0, 0},
        {"discard nul", [](LineSettings& s) { s.discardNul = 1; }, false, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        LineSettings settings = MakeReaderLineSettings();
        c.change(settings);
        termios attributes{};
        ASSERT_EQ(ApplyToTermios(settings, attributes), c.accepted);
        if (!c.accepted)
            continue;
        EXPECT_EQ(attributes.c_cflag & c.cflagSet, c.cflagSet);
        EXPECT_EQ(attributes.c_iflag & c.iflagSet, c.iflagSet);
    }
}
