#include "serial/receive_line.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

std::vector<QByteArray> FeedAll(ReceiveLine& line, const QByteArray& bytes)
{
    std::vector<QByteArray> completed;
    for (char byte : bytes) {
        if (auto done = line.AddByte(static_cast<std::uint8_t>(byte)))
            completed.push_back(*done);
    }
    return completed;
}

QByteArray Repeat(char c, int count)
{
    return QByteArray(count, c);
}

} // namespace

TEST(ReceiveLine, AssemblesLinesEndedByCarriageReturn)
{
    const struct
    {
        const char* name;
        QByteArray input;
        std::vector<QByteArray> lines;
    } cases[] = {
        {"answer", "ACK\r", {"ACK\r\n"}},
        {"two lines", "10\r1011121314151617\r", {"10\r\n", "1011121314151617\r\n"}},
        {"CR LF ends", "ACK\r\nNAK\r", {"ACK\r\n", "\nNAK\r\n"}},
        {"NUL inside", QByteArray("AB\0CD\r", 6), {"AB"}},
        {"no CR yet", "ACK", {}},
        {"127 bytes", Repeat('A', 127) + '\r', {Repeat('A', 127) + "\r\n"}},
        {"overlong keeps its first 127",
         Repeat('B', 200) + "\rOK\r",
         {Repeat('B', 127) + "\r\n", "OK\r\n"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ReceiveLine line;
        EXPECT_EQ(FeedAll(line, c.input), c.lines);
    }
}

TEST(ReceiveLine, BufferKeepsCrLfNulAndNeverGrowsPastItsLimit)
{
    ReceiveLine line;
    FeedAll(line, "ACK\r");
    EXPECT_EQ(line.count, 0);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char*>(line.buffer.data()), 6),
              QByteArray("ACK\r\n\0", 6));
    // The next byte overwrites the start; the old tail stays until overwritten.
    FeedAll(line, "N");
    EXPECT_EQ(line.Text(), "NCK\r\n");

    line.buffer.back() = 0x5A;
    FeedAll(line, Repeat('C', 1000));
    EXPECT_EQ(line.count, ReceiveLine::kMaxLineBytes);
    const std::vector<QByteArray> lines = FeedAll(line, "\r");
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_EQ(lines[0].size(), 129);
    EXPECT_EQ(line.buffer[129], 0);
    EXPECT_EQ(line.buffer[130], 0);
    EXPECT_EQ(line.buffer.back(), 0x5A);
}
