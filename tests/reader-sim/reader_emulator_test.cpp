#include "reader-sim/reader_emulator.h"

#include <gtest/gtest.h>

// The plain answers to well-formed commands are checked by the command-line table.
TEST(ReaderEmulator, AnswersEachCommandAccordingToItsFaults)
{
    // clang-format off
    const struct { void (*fault)(ReaderFaults&); QByteArray command, answer; } rows[] = {
        {nullptr, "TOR\r", "10\r"},
        {nullptr, "RD 17\r", "88898A8B8C8D8E8F\r"},
        {nullptr, "RD 0\r", "NAK\r"},
        {nullptr, "RD 01\r", "NAK\r"},
        {nullptr, "WD 3 00112233\r", "NAK\r"},
        {nullptr, "HELLO\r", "NAK\r"},
        {[](ReaderFaults& f) { f.errorMark09 = true; }, "RD 2\r", "#09\r"},
        {[](ReaderFaults& f) { f.badUid = true; }, "RUID\r", "XXXXXXXX\r"},
        {[](ReaderFaults& f) { f.crLfLineEnds = true; }, "LD 1\r", "ACK\r\n"},
        {[](ReaderFaults& f) { f.unsolicitedLine = "TAG"; }, "TOR\r", "TAG\r10\r"},
        {[](ReaderFaults& f) { f.noise = "\xFF"; }, "TOR\r", "\xFF" "10\r"},
        {[](ReaderFaults& f) { f.overlongLength = 6; }, "TOR\r", "10ZZZZ\r"},
        {[](ReaderFaults& f) { f.shortLength = 4, f.noise = "~", f.noiseOffset = 2;
                               f.strayLine = "ACK"; }, "RD 1\r", "08~09\rACK\r"},
        {[](ReaderFaults& f) { f.silentPage = 3; }, "WD 3 0011223344556677\r", ""},
    };
    // clang-format on
    for (const auto& row : rows) {
        SCOPED_TRACE(&row - rows);
        ReaderEmulator emulator;
        ReaderFaults faults;
        if (row.fault)
            row.fault(faults);
        emulator.SetFaults(faults);
        EXPECT_EQ(emulator.Feed(row.command), row.answer);
        EXPECT_EQ(emulator.ReceivedBytes(), row.command);
    }
}
