#include "app/stray_line_after_each_box.h"
#include "app/window_fixture.h"

namespace {

using WritePagesTest = WindowFixture;

TEST_F(WritePagesTest, ValidPagesGoOutAndOnlyAnAcknowledgementLetsTheRunGoOn)
{
    const QByteArray twoPages = Select({1, 2}) + "P1=1111111111111111\r\nP2=2222222222222222\r\n";
    Run(ControlName::kWriteButton, {
        {.name = "lower-case HEX goes out and is shown upper-case",
         .data = Select({3}) + "P3=0a0b0c0d0e0f1011\r\n", .sent = "TOR\rWD 3 0A0B0C0D0E0F1011\r",
         .colours = "WWGWWWWWWWWWWWWWW WW", .texts = {{PageField(3), "0A0B0C0D0E0F1011"},
             {ControlName::kTerminalOutput, "ACK\r\nWD 3 0A0B0C0D0E0F1011// Write page 3\r\n"}}},
        {.name = "ASCII goes out as character codes",
         .data = Select({1}) + "Format=1\r\nP1=caf\xC3\xA9 a \xC3\xBF\r\n",
         .sent = "TOR\rWD 1 636166E9206120FF\r", .colours = "GWWWWWWWWWWWWWWWW WW",
         .texts = {{PageField(1), QStringLiteral("caf\u00E9 a \u00FF")}}},
        {.name = "an empty ticked page is skipped, page 2 whitens the carrier ID",
         .data = Select({1, 2}) + "P2=0123456789ABCDEF\r\n", .paint = "WWWWWWWWWWWWWWWWW GW",
         .sent = "TOR\rWD 2 0123456789ABCDEF\r", .colours = "WGWWWWWWWWWWWWWWW WW"},
        {.name = "ASCII beyond one byte a character is refused",
         .data = Select({1}) + "Format=1\r\nP1=1234567\xE2\x82\xAC\r\n", .sent = "TOR\r",
         .colours = "RWWWWWWWWWWWWWWWW WW",
         .messages = {"P1 holds a character that cannot be sent to the transponder"}},
        // The answer to WD 1 decides whether page 2 is written.
        {.name = "a word starting ACK", .data = twoPages,
         .answers = {{"WD 1 1111111111111111", "ACKNOWLEDGED\r"}},
         .sent = "TOR\rWD 1 1111111111111111\rWD 2 2222222222222222\r",
         .colours = "GGWWWWWWWWWWWWWWW WW"},
        {.name = "NAK", .data = twoPages, .answers = {{"WD 1 1111111111111111", "NAK\r"}},
         .sent = "TOR\rWD 1 1111111111111111\r", .colours = "RWWWWWWWWWWWWWWWW WW"},
    });
}

TEST_F(WritePagesTest, AStrayLineWhileTheBoxIsUpIsNotTheNextPagesAnswer)
{
    OpenOnReader(Select({1, 2, 3}) + "P1=1111111111111111\r\nP2=22\r\nP3=3333333333333333\r\n");
    reader->Configure([](ReaderEmulator& emulator) { emulator.SetLocked(3, true); });
    StrayLineAfterEachBox stray(*dialog, *reader);
    Press(ControlName::kWriteButton);
    EXPECT_EQ(Colours().left(3), "GRR") << "the reader refused page 3";
}

} // namespace
