#include "app/terminal_pane.h"

#include <gtest/gtest.h>

namespace {

TEST(TerminalPaneTest, KeepFirstLinesCutsAfterTheLastKeptLineEnd)
{
    struct Case
    {
        const char* text;
        int maxLines;
        const char* kept;
    };
    const Case cases[] = {
        {"a\r\nb\r\nc\r\n", 2, "a\r\nb\r\n"},
        {"a\r\nb\r\n", 5, "a\r\nb\r\n"},
        {"a\r\nunfinished", 1, "a\r\n"},
        {"no end", 1, "no end"},
        {"a\r\n", 0, ""},
        {"\r\n\r\n\r\n", 2, "\r\n\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(KeepFirstLines(QString::fromLatin1(c.text), c.maxLines),
                  QString::fromLatin1(c.kept));
    }
}

} // namespace
