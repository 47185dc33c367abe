#include "app/window_fixture.h"

#include "resources/control_ids.h"
#include "transponder/reader_protocol.h"

#include <gtest/gtest.h>

namespace {

using namespace ControlId;
using ReadPagesTest = OperationFixture;

const QString kPage1 = QStringLiteral("08090A0B0C0D0E0F");
const QString kPage2 = QStringLiteral("1011121314151617");
const QByteArray kPages3And4 = "SelectP3=1\r\nSelectP4=1\r\nP3=1111111111111111\r\n";

OperationRow Judged(const char* name, const QByteArray& answer, const QString& text,
                    const QString& colours, bool goesOn)
{
    return {.name = name,
            .data = kPages3And4,
            .answers = {{"RD 3", answer}},
            .sent = goesOn ? "TOR\rRD 3\rRD 4\r" : "TOR\rRD 3\r",
            .colours = colours,
            .texts = {{PageField(3), text}}};
}

TEST_F(ReadPagesTest, EachAnswerIsJudgedAndShownAndAShortOneStopsTheRun)
{
    const QString old = QStringLiteral("1111111111111111");
    const OperationRow rows[] = {
        {.name = "two pages, records newest first",
         .data = Select({1, 2}),
         .sent = "TOR\rRD 1\rRD 2\r",
         .colours = "GGWWWWWWWWWWWWWWW WW",
         .texts = {{PageField(1), kPage1}, {PageField(2), kPage2}},
         .terminal = kPage2 + "\r\nRD 2 // Read page 2\r\n" + kPage1 + "\r\nRD 1 // Read page 1\r\n"},
        {.name = "ASCII shows one character a byte",
         .data = Select({1}) + "Format=1\r\n",
         .answers = {{"RD 1", "4142434445464748\r"}},
         .sent = "TOR\rRD 1\r",
         .texts = {{PageField(1), "ABCDEFGH"}},
         .terminal = "4142434445464748\r\nRD 1 // Read page 1\r\n"},
        Judged("silence", "", old, "WWRWWWWWWWWWWWWWW WW", false),
        Judged("no transponder", "No Read\r", old, "WWRWWWWWWWWWWWWWW WW", false),
        Judged("error mark", "0123456789#09ABC\r", old, "WWRGWWWWWWWWWWWWW WW", true),
        Judged("not hex", "XXXXXXXX01234567\r", old, "WWRGWWWWWWWWWWWWW WW", true),
        Judged("short", "0123456789ABC\r", old, "WWRWWWWWWWWWWWWWW WW", false),
        Judged("14 digits and the line end", "0123456789ABCD\r", old, "WWRGWWWWWWWWWWWWW WW",
               true),
        Judged("15 digits and the CR", "0123456789ABCDE\r", old, "WWRGWWWWWWWWWWWWW WW", true),
        Judged("16 bytes FF", QByteArray(16, '\xFF') + '\r', old, "WWRGWWWWWWWWWWWWW WW", true),
        Judged("longer than the line buffer", QByteArray(200, 'A') + '\r', old,
               "WWRGWWWWWWWWWWWWW WW", true),
        Judged("long", "0123456789ABCDEF0123\r", "0123456789ABCDEF", "WWGGWWWWWWWWWWWWW WW",
               true),
    };
    for (const OperationRow& row : rows)
        Run(kReadButton, row);
}

TEST_F(ReadPagesTest, ReaderWithCrLfLineEndsReadsEveryPageWhole)
{
    Run(kReadButton, {.name = "CR LF",
                      .data = "SelectAll=1\r\n" + Select({1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12,
                                                          13, 14, 15, 16, 17}),
                      .setup = [](ReaderEmulator& emulator) {
                          ReaderFaults faults;
                          faults.crLfLineEnds = true;
                          emulator.SetFaults(faults);
                      },
                      .sent = "TOR\rRD 1\rRD 2\rRD 3\rRD 4\rRD 5\rRD 6\rRD 7\rRD 8\rRD 9\rRD 10\r"
                              "RD 11\rRD 12\rRD 13\rRD 14\rRD 15\rRD 16\rRD 17\r",
                      .colours = "GGGGGGGGGGGGGGGGG WW",
                      .texts = {{PageField(1), kPage1}, {PageField(17), "88898A8B8C8D8E8F"}}});
}

// The reader's TOR answer scales the timeout unit by the operation's factor; anything but a
// number from 1 to 255 leaves the unit as it was.
TEST_F(ReadPagesTest, TimeoutUnitTakesOnlyTorAnswersFromOneTo255)
{
    const struct
    {
        QByteArray answer; // empty: none
        int button;
        int unitAfter;
    } rows[] = {
        {"10\r", kReadButton, 10 * kReadPagesTimeoutFactor},
        {"10\r", kWriteButton, 10 * kWritePagesTimeoutFactor},
        {"0\r", kReadButton, 1000},
        {"256\r", kReadButton, 1000},
        {"abc\r", kReadButton, 1000},
        {"", kReadButton, 1000},
    };
    COrvaneDlg& window = OpenOnReader();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.answer.toStdString());
        window.TimeoutUnit = 1000; // the TOR itself is waited for four units
        reader->ClearReceivedBytes();
        ScriptedReader scripted(*reader, [&](const QByteArray&) { return row.answer; });

        Press(row.button);

        EXPECT_EQ(window.TimeoutUnit, row.unitAfter);
        EXPECT_EQ(reader->ReceivedBytes(), QByteArray("TOR\r")) << "no page is selected";
        EXPECT_EQ(window.terminal.outputText, QString()) << "the TOR leaves no record";
    }
}

} // namespace
