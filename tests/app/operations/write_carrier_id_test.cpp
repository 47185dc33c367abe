#include "app/window_fixture.h"

namespace {

using namespace ControlName;
using WriteCarrierIdTest = WindowFixture;

// The emulated reader's pages 1 and 2 hold 08090A0B0C0D0E0F and 1011121314151617.
const QByteArray kPreRead = "TOR\rRD 1\rRD 2\r";

QByteArray CarrierId(const QByteArray& format, const QByteArray& length, const QByteArray& text)
{
    return "Format=" + format + "\r\nCarrierIDLength=" + length + "\r\nCarrierID=" + text + "\r\n";
}

QString HexMessage(int digits)
{
    return QStringLiteral("change carrier ID to a length of %1 hexadecimal "
                          "(0,1,2,3,4,5,6,7,8,9,A,B,C,D,E,F) characters").arg(digits);
}

TEST_F(WriteCarrierIdTest, PutsTheCarrierIdOverTheFirstBytesAndChecksEachPageRead)
{
    const QByteArray threeBytes = CarrierId("0", "3", "0A0B0C");
    const QString red = QStringLiteral("WWWWWWWWWWWWWWWWW RW");
    Run(kWriteCarrierIdButton, {
        {.name = "lower-case HEX, 3 bytes", .data = CarrierId("0", "3", "0a0b0c"),
         .sent = kPreRead + "WD 1 0A0B0C0B0C0D0E0F\rRD 1\rWD 2 1011121314151617\rRD 2\r",
         .colours = "GGWWWWWWWWWWWWWWW GW",
         .texts = {{kCarrierIdField, "0A0B0C"}, {PageField(1), "0A0B0C0B0C0D0E0F"}}},
        // Nothing may be written after a failed read before the write.
        {.name = "page 2 not read, both answers shown", .data = threeBytes,
         .answers = {{"RD 2", "No Read\r"}}, .sent = kPreRead, .colours = red,
         .texts = {{kTerminalOutput, "No Read\r\n\r\nRD 2 // Read page 2\r\n08090A0B0C0D0E0F\r\n"
                                     "RD 1 // Read page 1\r\n"}}},
        // WD 1 is refused: page 1 reads back as it was, so the carrier ID was not written.
        {.name = "page 1 locked", .data = threeBytes,
         .setup = [](ReaderEmulator& emulator) { emulator.SetLocked(1, true); },
         .sent = kPreRead + "WD 1 0A0B0C0B0C0D0E0F\rRD 1\r", .colours = "RWWWWWWWWWWWWWWWW WW"},
        // WD 2 is refused: page 2 reads back unchanged, so the carrier ID is not what was sent.
        {.name = "page 2 locked", .data = CarrierId("0", "10", "00112233445566778899"),
         .setup = [](ReaderEmulator& emulator) { emulator.SetLocked(2, true); },
         .sent = kPreRead + "WD 1 0011223344556677\rRD 1\rWD 2 8899121314151617\rRD 2\r",
         .colours = "GRWWWWWWWWWWWWWWW RW"},
        {.name = "page 2 short", .data = threeBytes, .answers = {{"RD 2", "22222222222222\r"}},
         .sent = kPreRead, .colours = red},
        // An invalid carrier ID is reported before any page is read.
        {.name = "odd HEX", .data = CarrierId("0", "3", "0a0b0"), .sent = "TOR\r",
         .colours = red, .texts = {{kCarrierIdField, "0A0B0"}, {kTerminalOutput, ""}},
         .messages = {HexMessage(6)}},
        {.name = "length 0 is 1", .data = CarrierId("0", "0", ""), .sent = "TOR\r",
         .texts = {{kCarrierIdLengthField, "1"}}, .messages = {HexMessage(2)}},
        {.name = "length 40 is 16", .data = CarrierId("0", "40", "0a"), .sent = "TOR\r",
         .texts = {{kCarrierIdLengthField, "16"}}, .messages = {HexMessage(32)}},
        {.name = "a euro sign", .data = CarrierId("1", "2", "A\xE2\x82\xAC"), .sent = "TOR\r",
         .messages = {"carrier ID holds a character that cannot be sent to the transponder"}},
    });
}

} // namespace
