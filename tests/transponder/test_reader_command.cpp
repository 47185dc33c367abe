#include "transponder/reader_command.h"

#include <gtest/gtest.h>

namespace {

struct CommandCase
{
    ReaderCommand command;
    QString line;
    QString echo;
    int waitFactor;
    std::optional<int> keptChars;
};

TEST(ReaderCommand, HoldsTheLineEchoWaitAndKeptLengthOfEachCommand)
{
    const CommandCase cases[] = {
        {TimeoutQueryCommand(), "TOR\r", "", 4, std::nullopt},
        {ReadPageCommand(1), "RD 1\r", "RD 1 // Read page 1\r\n", 17, 16},
        {ReadPageCommand(17), "RD 17\r", "RD 17 // Read page 17\r\n", 17, 16},
        {WritePageCommand(1, "0A0B0C1111111111"), "WD 1 0A0B0C1111111111\r",
         "WD 1 0A0B0C1111111111// Write page 1\r\n", 4, 3},
        {WritePageCommand(12, "4142434445464748"), "WD 12 4142434445464748\r",
         "WD 12 4142434445464748// Write page 12\r\n", 4, 3},
        {LockPageCommand(3), "LD 3\r", "LD 3 // Lock page 3\r\n", 4, 3},
        {LockPageCommand(10), "LD 10\r", "LD 10 // Lock page 10\r\n", 4, 3},
        {ReadUidCommand(), "RUID\r", "RUID // Read UID\r\n", 9, 8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.line.toStdString());
        EXPECT_EQ(c.command.line, c.line);
        EXPECT_EQ(c.command.echo, c.echo);
        EXPECT_EQ(c.command.waitFactor, c.waitFactor);
        EXPECT_EQ(c.command.keptChars, c.keptChars);
    }
}

TEST(ReaderCommand, WriteDataGoesOutCharacterForCharacter)
{
    // Placeholder-like and non-Latin-1 data must not be reinterpreted on the way into the line.
    const QString data = QString("%1%s%%") + QChar(0x00E9) + QChar(0x20AC);
    const ReaderCommand command = WritePageCommand(2, data);
    EXPECT_EQ(command.line, "WD 2 " + data + "\r");
    EXPECT_EQ(command.echo, "WD 2 " + data + "// Write page 2\r\n");
}

} // namespace
