#include "app/window_fixture.h"

namespace {

using namespace ControlId;
using ReadCarrierIdTest = OperationFixture;

const QByteArray kAbc = "4142434445464748\r";
const QByteArray kIjk = "494A4B4C4D4E4F50\r";

OperationRow Read(const char* name, const QByteArray& format, const QByteArray& length,
                  const QByteArray& page1, const QByteArray& page2, const QString& shown,
                  const QString& lengthShown, bool good)
{
    return {.name = name,
            .data = "P1=p1\r\nFormat=" + format + "\r\nCarrierIDLength=" + length +
                    (good ? "\r\n" : "\r\nCarrierID=0102\r\n"),
            .answers = {{"RD 1", page1}, {"RD 2", page2}},
            .paint = good ? "WWWWWWWWWWWWWWWWW RW" : "WWWWWWWWWWWWWWWWW GW",
            .sent = length.toInt() > 8 ? "TOR\rRD 1\rRD 2\r" : "TOR\rRD 1\r",
            .colours = good ? "WWWWWWWWWWWWWWWWW GW" : "WWWWWWWWWWWWWWWWW RW",
            .texts = {{kCarrierIdField, shown}, {kCarrierIdLengthField, lengthShown},
                      {PageField(1), "p1"}}};
}

TEST_F(ReadCarrierIdTest, ReadsPageTwoOnlyForMoreThanEightBytesAndTurnsRedOnAFailedRead)
{
    Run(kReadCarrierIdButton, {
        Read("hex, 4", "0", "4", kAbc, kIjk, "41424344", "4", true),
        Read("ascii, 4", "1", "4", kAbc, kIjk, "ABCD", "4", true),
        Read("hex, 8", "0", "8", kAbc, kIjk, "4142434445464748", "8", true),
        Read("hex, 9", "0", "9", kAbc, kIjk, "414243444546474849", "9", true),
        Read("ascii, 12", "1", "12", kAbc, kIjk, "ABCDEFGHIJKL", "12", true),
        Read("0 becomes 1", "0", "0", kAbc, kIjk, "41", "1", true),
        Read("40 becomes 16", "0", "40", kAbc, kIjk, "4142434445464748494A4B4C4D4E4F50", "16",
             true),
        Read("no transponder", "0", "4", "No Read\r", kIjk, "No Read", "4", false),
        Read("not hex", "0", "4", "XXXXXXXX01234567\r", kIjk, "XXXXXXXX", "4", false),
        Read("short", "0", "4", "0123\r", kIjk, "0123", "4", false),
        Read("silence", "0", "4", "", kIjk, "", "4", false),
        Read("page 2 fails", "0", "12", kAbc, "#09\r", "4142434445464748#09", "12", false),
        Read("a good page 2 does not make up for page 1", "0", "12", "No Read\r", kIjk,
             "No Read494A4B4C4D4E4F50", "12", false),
    });
}

} // namespace
