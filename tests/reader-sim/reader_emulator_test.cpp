#include "reader-sim/reader_emulator.h"

#include <gtest/gtest.h>

TEST(ReaderEmulator, AnswersEachCommandAccordingToItsFaults)
{
    const struct
    {
        void (*fault)(ReaderFaults&);
        QByteArray command, answer;
    } rows[] = {
        {nullptr, "TOR\r", "10\r"},
        {nullptr, "RD 1\r", "08090A0B0C0D0E0F\r"},
        {nullptr, "RD 17\r", "88898A8B8C8D8E8F\r"},
        {nullptr, "RD 0\r", "NAK\r"},
        {nullptr, "RD 01\r", "NAK\r"},
        {nullptr, "WD 3 0011223344556677\r", "ACK\r"},
        {nullptr, "WD 3 00112233\r", "NAK\r"},
        {nullptr, "LD 4\r", "ACK\r"},
        {nullptr, "RUID\r", "E0040150\r"},
        {nullptr, "HELLO\r", "NAK\r"},
        {[](ReaderFaults& f) { f.noTransponder = true; }, "RD 1\r", "No Read\r"},
        {[](ReaderFaults& f) { f.errorMark09 = true; }, "RD 2\r", "#09\r"},
        {[](ReaderFaults& f) { f.badUid = true; }, "RUID\r", "XXXXXXXX\r"},
        {[](ReaderFaults& f) { f.silent = true; }, "TOR\r", ""},
        {[](ReaderFaults& f) { f.crLfLineEnds = true; }, "LD 1\r", "ACK\r\n"},
        {[](ReaderFaults& f) { f.unsolicitedLine = "TAG"; }, "TOR\r", "TAG\r10\r"},
        {[](ReaderFaults& f) { f.noise = QByteArray::fromHex("00FF"); }, "TOR\r",
         QByteArray::fromHex("00FF31300D")},
        {[](ReaderFaults& f) { f.overlongLength = 6; }, "TOR\r", "10ZZZZ\r"},
        {[](ReaderFaults& f) {
             f.shortLength = 4, f.noise = "~", f.noiseOffset = 2, f.strayLine = "ACK";
         },
         "RD 1\r", "08~09\rACK\r"},
        {[](ReaderFaults& f) { f.silentPage = 3; }, "WD 3 0011223344556677\r", ""},
    };
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
