#include "reader-sim/reader_emulator.h"

#include <gtest/gtest.h>

namespace {

ReaderFaults With(void (*change)(ReaderFaults&))
{
    ReaderFaults faults;
    if (change)
        change(faults);
    return faults;
}

} // namespace

TEST(ReaderEmulator, AnswersEachCommandAccordingToItsFaults)
{
    const struct
    {
        const char* name;
        ReaderFaults faults;
        QByteArray command;
        QByteArray answer;
    } cases[] = {
        {"timeout value", {}, "TOR\r", "10\r"},
        {"read page 1", {}, "RD 1\r", "08090A0B0C0D0E0F\r"},
        {"read page 17", {}, "RD 17\r", "88898A8B8C8D8E8F\r"},
        {"read page 0", {}, "RD 0\r", "NAK\r"},
        {"read leading zero", {}, "RD 01\r", "NAK\r"},
        {"write", {}, "WD 3 0011223344556677\r", "ACK\r"},
        {"write short data", {}, "WD 3 00112233\r", "NAK\r"},
        {"lock", {}, "LD 4\r", "ACK\r"},
        {"uid", {}, "RUID\r", "E0040150\r"},
        {"unknown", {}, "HELLO\r", "NAK\r"},
        {"no tag read", With([](ReaderFaults& f) { f.noTransponder = true; }), "RD 1\r",
         "No Read\r"},
        {"#09 read", With([](ReaderFaults& f) { f.errorMark09 = true; }), "RD 2\r", "#09\r"},
        {"bad uid", With([](ReaderFaults& f) { f.badUid = true; }), "RUID\r", "XXXXXXXX\r"},
        {"silent", With([](ReaderFaults& f) { f.silent = true; }), "TOR\r", ""},
        {"crlf", With([](ReaderFaults& f) { f.crLfLineEnds = true; }), "LD 1\r", "ACK\r\n"},
        {"unsolicited", With([](ReaderFaults& f) { f.unsolicitedLine = "TAG"; }), "TOR\r",
         "TAG\r10\r"},
        {"noise", With([](ReaderFaults& f) { f.noise = QByteArray::fromHex("00FF"); }), "TOR\r",
         QByteArray::fromHex("00FF31300D")},
        {"overlong", With([](ReaderFaults& f) { f.overlongLength = 6; }), "TOR\r", "10ZZZZ\r"},
        {"short, noise inside, stray line after",
         With([](ReaderFaults& f) {
             f.shortLength = 4, f.noise = "~", f.noiseOffset = 2, f.strayLine = "ACK";
         }),
         "RD 1\r", "08~09\rACK\r"},
        {"silent page", With([](ReaderFaults& f) { f.silentPage = 3; }), "WD 3 0011223344556677\r",
         ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ReaderEmulator emulator;
        emulator.SetFaults(c.faults);
        EXPECT_EQ(emulator.Feed(c.command), c.answer);
        EXPECT_EQ(emulator.ReceivedBytes(), c.command);
    }
}
