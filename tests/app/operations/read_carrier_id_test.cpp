#include "app/window_fixture.h"

namespace {

using namespace ControlName;
using ReadCarrierIdTest = WindowFixture;

const QByteArray kAbc = "4142434445464748\r";
const QByteArray kIjk = "494A4B4C4D4E4F50\r";

// The carrier ID field turns green from red, or red from green (when it showed 0102 before), and
// shows no line ends.
OperationRow Read(const char* length, const QByteArray& page1, const QByteArray& page2,
                  const QString& shown, const char* lengthShown, bool good)
{
    return {.name = shown, .data = "Format=0\r\nCarrierIDLength=" + QByteArray(length) +
                                   (good ? "\r\n" : "\r\nCarrierID=0102\r\n"),
            .answers = {{"RD 1", page1}, {"RD 2", page2}},
            .paint = good ? "WWWWWWWWWWWWWWWWW RW" : "WWWWWWWWWWWWWWWWW GW",
            .sent = QByteArray(length).toInt() > 8 ? "TOR\rRD 1\rRD 2\r" : "TOR\rRD 1\r",
            .colours = good ? "WWWWWWWWWWWWWWWWW GW" : "WWWWWWWWWWWWWWWWW RW",
            .texts = {{kCarrierIdField, shown}, {kCarrierIdLengthField, lengthShown}}};
}

TEST_F(ReadCarrierIdTest, ReadsPageTwoOnlyForMoreThanEightBytesAndTurnsRedOnAFailedRead)
{
    Run(kReadCarrierIdButton, {
        Read("8", kAbc, kIjk, "4142434445464748", "8", true),
        Read("9", kAbc, kIjk, "414243444546474849", "9", true),
        Read("40", kAbc, kIjk, "4142434445464748494A4B4C4D4E4F50", "16", true),
        Read("4", "No Read\r", kIjk, "No Read", "4", false),
        Read("12", kAbc, "#09\r", "4142434445464748#09", "12", false),
        // A good page 2 does not make up for page 1.
        Read("12", "No Read\r", kIjk, "No Read494A4B4C4D4E4F50", "12", false),
    });
}

// A reader slower than the wait for one command: its late answer is never taken for the next
// command's, and once the reader is fast again the next read is right.
TEST_F(ReadCarrierIdTest, ALateAnswerIsNeverTakenForTheNextCommandsAnswer)
{
    const QString whole = "08090A0B0C0D0E0F1011121314151617";
    // TOR is awaited 4 s; the reader answers it with 30, so RD is awaited 6630 ms.
    // clang-format off
    const struct { int latencyMs; QByteArray slow; QString colours, shown; } rows[] = {
        {4500, "TOR", "WWWWWWWWWWWWWWWWW GW", whole},
        {7000, "RD", "WWWWWWWWWWWWWWWWW RW", ""},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(row.slow.constData());
        OpenOnReader("CarrierIDLength=16\r\n");
        for (const bool slow : {true, false}) {
            reader->Configure([&](ReaderEmulator& emulator) {
                emulator.SetFaults(
                    {.answerDelay = std::chrono::milliseconds(slow ? row.latencyMs : 0),
                     .slowCommands = {row.slow}});
            });
            Press(kReadCarrierIdButton);
            EXPECT_EQ(Colours(), slow ? row.colours : "WWWWWWWWWWWWWWWWW GW");
            EXPECT_EQ(Text(kCarrierIdField), slow ? row.shown : whole);
        }
        Close();
    }
}

} // namespace
