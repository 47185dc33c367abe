#include "reader-sim/reader_emulator.h"

#include <gtest/gtest.h>

// The plain answers to well-formed commands are checked by the command-line table.
TEST(ReaderEmulator, AnswersEachCommandAccordingToItsFaults)
{
    // clang-format off
    const struct { ReaderFaults faults; QByteArray command, answer; } rows[] = {
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
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(&row - rows);
        ReaderEmulator emulator;
        emulator.SetFaults(row.faults);
        EXPECT_EQ(emulator.Feed(row.command), row.answer);
        EXPECT_EQ(emulator.ReceivedBytes(), row.command);
    }
}
