#include "reader-sim/reader_emulator.h"

#include <gtest/gtest.h>

// The plain answers to well-formed commands are checked by the command-line table.
TEST(ReaderEmulator, AnswersEachCommandAccordingToItsFaults)
{
    // clang-format off
    using std::chrono::hours;
    const TagLine tagThere{{DefaultTag("E0041001", hours(1))}};
    const TagLine secondThere{{DefaultTag("E0041001", {}), DefaultTag("E0041002", hours(1))}};
    const TagLine gapNow{{DefaultTag("E0041001", {}), DefaultTag("E0041002", hours(1))}, hours(1)};
    const struct { ReaderFaults faults; QByteArray command, answer;
                   std::optional<TagLine> line = {}; } rows[] = {
        {{}, "TOR\r", "10\r"},
        {{}, "RD 17\r", "88898A8B8C8D8E8F\r"},
        {{}, "RD 0\r", "NAK\r"},
        {{}, "RD 01\r", "NAK\r"},
        {{}, "WD 3 00112233\r", "NAK\r"},
        {{}, "HELLO\r", "NAK\r"},
        {{.errorMark09 = true}, "RD 2\r", "#09\r"},
        {{.badUid = true}, "RUID\r", "XXXXXXXX\r"},
        {{.crLfLineEnds = true}, "LD 1\r", "ACK\r\n"},
        {{.unsolicitedLine = "TAG"}, "TOR\r", "TAG\r10\r"},
        {{.noise = "\xFF"}, "TOR\r", "\xFF" "10\r"},
        {{.overlongLength = 6}, "TOR\r", "10ZZZZ\r"},
        {{.noise = "~", .noiseOffset = 2, .shortLength = 4, .strayLine = "ACK"}, "RD 1\r",
         "08~09\rACK\r"},
        {{.silentPage = 3}, "WD 3 0011223344556677\r", ""},
        {{.silentPage = 3}, "RD 3\r", ""},
        {{.silentPage = 3}, "LD 3\r", ""},
        {{}, "RUID\r", "E0041001\r", tagThere},
        {{}, "RUID\r", "E0041002\r", secondThere},
        {{}, "RUID\r", "No Read\r", gapNow},
        {{}, "RD 1\r", "No Read\r", gapNow},
        {{}, "TOR\r", "10\r", gapNow},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(&row - rows);
        ReaderEmulator emulator;
        emulator.SetFaults(row.faults);
        if (row.line)
            emulator.SetTagLine(*row.line);
        EXPECT_EQ(emulator.Feed(row.command), row.answer);
        EXPECT_EQ(emulator.ReceivedBytes(), row.command);
    }
}

TEST(TagLine, HoldsEachTagInTheFieldForItsHoldThenLeavesTheGap)
{
    using std::chrono::milliseconds;
    const TagLine line{{DefaultTag("A", milliseconds(100)), DefaultTag("B", milliseconds(100))},
                       milliseconds(50)};
    const std::pair<int, std::optional<std::size_t>> rows[] = {
        {0, 0}, {99, 0}, {100, std::nullopt}, {149, std::nullopt}, {150, 1}, {250, std::nullopt}};
    for (const auto& [elapsedMs, tag] : rows)
        EXPECT_EQ(line.TagAt(milliseconds(elapsedMs)), tag) << elapsedMs << " ms";
}
