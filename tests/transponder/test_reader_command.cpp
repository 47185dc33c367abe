#include "transponder/reader_command.h"

#include <gtest/gtest.h>

namespace {

TEST(ReaderCommand, HoldsTheLineEchoWaitAndKeptLengthOfEachCommand)
{
    const std::tuple<ReaderCommand, QString, QString, int, std::optional<int>> cases[] = {
        {TimeoutQueryCommand(), "TOR\r", "", 4, std::nullopt},
        {ReadPageCommand(17), "RD 17\r", "RD 17 // Read page 17\r\n", 17, 16},
        {WritePageCommand(1, "0A0B0C1111111111"), "WD 1 0A0B0C1111111111\r",
         "WD 1 0A0B0C1111111111// Write page 1\r\n", 4, 3},
        {LockPageCommand(10), "LD 10\r", "LD 10 // Lock page 10\r\n", 4, 3},
        {ReadUidCommand(), "RUID\r", "RUID // Read UID\r\n", 9, 8},
    };
    for (const auto& [command, line, echo, waitFactor, keptChars] : cases) {
        SCOPED_TRACE(line.toStdString());
        EXPECT_EQ(command.line, line);
        EXPECT_EQ(command.echo, echo);
        EXPECT_EQ(command.waitFactor, waitFactor);
        EXPECT_EQ(command.keptChars, keptChars);
    }
}

TEST(ReaderCommand, WriteDataGoesOutCharacterForCharacter)
{
    // Placeholder-like and non-Latin-1 data must not be reinterpreted on the way into the line.
    const QString data = QString("%1%s%%") + QChar(0x00E9) + QChar(0x20AC);
    EXPECT_EQ(WritePageCommand(2, data).line, "WD 2 " + data + "\r");
}

} // namespace
