#include "app/stray_line_after_each_box.h"
#include "app/window_fixture.h"

namespace {

using namespace ControlId;
using WritePagesTest = OperationFixture;

// The answer to WD 1 decides whether pages 2 and 3 are written.
OperationRow Acknowledged(const char* name, const QByteArray& answer, bool goesOn)
{
    return {.name = name,
            .data = "SelectP1=1\r\nSelectP2=1\r\nSelectP3=1\r\nP1=1111111111111111\r\n"
                    "P2=2222222222222222\r\nP3=3333333333333333\r\n",
            .answers = {{"WD 1 1111111111111111", answer}},
            .sent = goesOn ? "TOR\rWD 1 1111111111111111\rWD 2 2222222222222222\r"
                             "WD 3 3333333333333333\r"
                           : "TOR\rWD 1 1111111111111111\r",
            .colours = goesOn ? "GGGWWWWWWWWWWWWWW WW" : "RWWWWWWWWWWWWWWWW WW"};
}

TEST_F(WritePagesTest, ValidPagesGoOutAndOnlyAnAcknowledgementLetsTheRunGoOn)
{
    Run(kWriteButton, {
        {.name = "lower-case HEX goes out and is shown upper-case",
         .data = Select({3}) + "P3=0a0b0c0d0e0f1011\r\n", .sent = "TOR\rWD 3 0A0B0C0D0E0F1011\r",
         .colours = "WWGWWWWWWWWWWWWWW WW", .texts = {{PageField(3), "0A0B0C0D0E0F1011"}},
         .terminal = "ACK\r\nWD 3 0A0B0C0D0E0F1011// Write page 3\r\n"},
        {.name = "an invalid page is reported and the next one still written",
         .data = Select({4, 5}) + "P4=0123456789ABCDE\r\nP5=5555555555555555\r\n",
         .sent = "TOR\rWD 5 5555555555555555\r", .colours = "WWWRGWWWWWWWWWWWW WW",
         .messages = {"change P4 to a length of 16 hexadecimal "
                      "(0,1,2,3,4,5,6,7,8,9,A,B,C,D,E,F) characters"}},
        {.name = "empty pages are skipped and the carrier ID field whitened",
         .data = Select({1, 2, 3}) + "P2=2222222222222222\r\n", .paint = "GWWWWWWWWWWWWWWWW RW",
         .sent = "TOR\rWD 2 2222222222222222\r", .colours = "WGWWWWWWWWWWWWWWW WW"},
        {.name = "ASCII goes out as character codes",
         .data = Select({1}) + "Format=1\r\nP1=caf\xC3\xA9 a b\r\n",
         .sent = "TOR\rWD 1 636166E920612062\r", .colours = "GWWWWWWWWWWWWWWWW WW",
         .texts = {{PageField(1), QStringLiteral("caf\u00E9 a b")}}},
        {.name = "ASCII beyond one byte a character is refused",
         .data = Select({1}) + "Format=1\r\nP1=1234567\xE2\x82\xAC\r\n", .sent = "TOR\r",
         .colours = "RWWWWWWWWWWWWWWWW WW",
         .messages = {"P1 holds a character that cannot be sent to the transponder"}},
        {.name = "ASCII too short", .data = Select({1}) + "Format=1\r\nP1=ABCDEFG\r\n",
         .sent = "TOR\r", .colours = "RWWWWWWWWWWWWWWWW WW",
         .messages = {"change P1 to a length of 8 characters"}},
        Acknowledged("ACK", "ACK\r", true),
        Acknowledged("a longer word starting ACK", "ACKNOWLEDGED\r", true),
        Acknowledged("NAK", "NAK\r", false),
        Acknowledged("lower case", "ack\r", false),
        Acknowledged("silence", "", false),
    });
}

TEST_F(WritePagesTest, AStrayLineWhileTheBoxIsUpIsNotTheNextPagesAnswer)
{
    OpenOnReader(Select({1, 2, 3}) + "P1=1111111111111111\r\nP2=22\r\nP3=3333333333333333\r\n");
    reader->Configure([](ReaderEmulator& emulator) { emulator.SetLocked(3, true); });
    StrayLineAfterEachBox stray(*dialog, *reader);
    Press(kWriteButton);
    EXPECT_EQ(Colours().left(3), "GRR") << "the reader refused page 3";
}

} // namespace
