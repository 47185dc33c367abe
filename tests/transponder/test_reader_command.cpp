#include "transponder/reader_command.h"

#include <gtest/gtest.h>

namespace {

TEST(ReaderCommand, WriteDataGoesOutCharacterForCharacter)
{
    // Placeholder-like and non-Latin-1 data must not be reinterpreted on the way into the line.
    const QString data = QString("%1%s%%") + QChar(0x00E9) + QChar(0x20AC);
    EXPECT_EQ(WritePageCommand(2, data).line, "WD 2 " + data + "\r");
}

} // namespace
