#include "app/window_fixture.h"

namespace {

using ReadUidTest = WindowFixture;

// ASCII presentation does not apply to the UID; 6 and 7 characters reach 8 only with the line
// end, which the field never shows; the terminal keeps the first 8 characters as they came, and
// a lone CR shows as a line break of its own.
OperationRow Uid(const char* name, const QByteArray& answer, const QString& shown, bool good,
                 const QString& kept)
{
    return {.name = name, .data = "Format=1\r\nUID=old\r\n", .answers = {{"RUID", answer}},
            .paint = good ? "WWWWWWWWWWWWWWWWW WR" : "WWWWWWWWWWWWWWWWW WG", .sent = "TOR\rRUID\r",
            .colours = good ? "WWWWWWWWWWWWWWWWW WG" : "WWWWWWWWWWWWWWWWW WR",
            .texts = {{ControlName::kUidField, shown},
                      {ControlName::kTerminalOutput, kept + "\r\nRUID // Read UID\r\n"}}};
}

TEST_F(ReadUidTest, ShowsTheAnswerAsItCameGreenOnlyWhenItIsAGoodUid)
{
    Run(ControlName::kReadUidButton, {
        Uid("eight digits", "E0040100\r", "E0040100", true, "E0040100"),
        Uid("six", "ABCDEF\r", "ABCDEF", false, "ABCDEF\r\n"),
        Uid("seven", "ABCDEFG\r", "ABCDEFG", false, "ABCDEFG\r\n"),
        Uid("nine, first eight kept", "E00401001\r", "E0040100", true, "E0040100"),
        Uid("no transponder", "No Read\r", "No Read", false, "No Read\r\n"),
        Uid("error mark", "A#09BCDE\r", "A#09BCDE", false, "A#09BCDE"),
        {.name = "silent", .data = "UID=old\r\n", .answers = {{"TOR", "1\r"}, {"RUID", ""}},
         .sent = "TOR\rRUID\r", .colours = "WWWWWWWWWWWWWWWWW WR",
         .texts = {{ControlName::kUidField, ""}}},
    });
}

} // namespace
