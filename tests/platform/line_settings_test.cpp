#include "platform/line_settings.h"

#include <gtest/gtest.h>
#include <termios.h>

TEST(LineSettings, ReaderSettingsBecomeRawEightNoneOneWithoutHandshake)
{
    termios attributes{};
    ASSERT_TRUE(ApplyToTermios(MakeReaderLineSettings(), attributes));
    EXPECT_EQ(attributes.c_cflag & CSIZE, static_cast<tcflag_t>(CS8));
    EXPECT_EQ(attributes.c_cflag & (PARENB | CSTOPB | CRTSCTS), 0u);
    EXPECT_EQ(attributes.c_cflag & (CREAD | CLOCAL), static_cast<tcflag_t>(CREAD | CLOCAL));
    EXPECT_EQ(attributes.c_iflag & (IXON | IXOFF | ICRNL | IGNCR | INLCR | ISTRIP), 0u);
    EXPECT_EQ(attributes.c_lflag & (ICANON | ECHO | ISIG), 0u);
    EXPECT_EQ(attributes.c_oflag & OPOST, 0u);
    EXPECT_EQ(attributes.c_cc[VMIN], 0);
    EXPECT_EQ(attributes.c_cc[VTIME], 0);
}

TEST(LineSettings, FieldsMapOntoTermiosOrAreRefused)
{
    const struct
    {
        const char* name;
        void (*change)(LineSettings&);
        bool accepted;
        tcflag_t cflagSet;
        tcflag_t iflagSet;
    } cases[] = {
        {"seven bits", [](LineSettings& s) { s.byteSize = 7; }, true, CS7, 0},
        {"four bits", [](LineSettings& s) { s.byteSize = 4; }, false, 0, 0},
        {"odd parity", [](LineSettings& s) { s.parity = kParityOdd; }, true, PARENB | PARODD, 0},
        {"mark parity", [](LineSettings& s) { s.parity = 3; }, false, 0, 0},
        {"two stop bits", [](LineSettings& s) { s.stopBits = kStopBitsTwo; }, true, CSTOPB, 0},
        {"1.5 stop bits", [](LineSettings& s) { s.stopBits = kStopBitsOnePointFive; }, false, 0, 0},
        {"cts handshake", [](LineSettings& s) { s.outxCtsFlow = 1; }, true, CRTSCTS, 0},
        {"xon/xoff", [](LineSettings& s) { s.outX = s.inX = 1; }, true, 0, IXON | IXOFF},
        {"dsr handshake", [](LineSettings& s) { s.outxDsrFlow = 1; }, false, 0, 0},
        {"discard nul", [](LineSettings& s) { s.discardNul = 1; }, false, 0, 0},
    };
    for (const auto& c : cases) {
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
