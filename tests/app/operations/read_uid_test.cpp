#include "app/window_fixture.h"

#include "resources/control_ids.h"

#include <gtest/gtest.h>

namespace {

using namespace ControlId;
using ReadUidTest = OperationFixture;

// ASCII presentation does not apply to the UID; 6 and 7 characters reach 8 only with the line
// end, which the field never shows; the terminal keeps the first 8 characters as they came.
OperationRow Uid(const char* name, const QByteArray& answer, const QString& shown, bool good)
{
    const QString kept = QString::fromLatin1((answer + '\n').left(answer.isEmpty() ? 0 : 8));
    return {.name = name,
            .data = "Format=1\r\nUID=old\r\n",
            .answers = {{"RUID", answer}},
            .paint = good ? "WWWWWWWWWWWWWWWWW WR" : "WWWWWWWWWWWWWWWWW WG",
            .sent = "TOR\rRUID\r",
            .colours = good ? "WWWWWWWWWWWWWWWWW WG" : "WWWWWWWWWWWWWWWWW WR",
            .texts = {{kUidField, shown}},
            // A lone CR shows as a line break of its own.
            .terminal = kept.endsWith(u'\r') ? QString() : kept + "\r\nRUID // Read UID\r\n"};
}

TEST_F(ReadUidTest, ShowsTheAnswerAsItCameGreenOnlyWhenItIsAGoodUid)
{
    const OperationRow rows[] = {
        Uid("eight digits", "E0040100\r", "E0040100", true),
        Uid("longer", "E0040100FF\r", "E0040100", true),
        Uid("six", "ABCDEF\r", "ABCDEF", false),
        Uid("seven", "ABCDEFG\r", "ABCDEFG", false),
        Uid("five", "ABCDE\r", "ABCDE", false),
        Uid("no transponder", "No Read\r", "No Read", false),
        Uid("not hex", "XXXXXXXX\r", "XXXXXXXX", false),
        Uid("error mark", "A#09BCDE\r", "A#09BCDE", false),
        Uid("silence", "", "", false),
    };
    for (const OperationRow& row : rows)
        Run(kReadUidButton, row);
}

} // namespace
