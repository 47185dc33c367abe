#include "serial/terminal_pane.h"

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
        {"a\r\nb\r\n", 2, "a\r\nb\r\n"},
        {"a\r\nb\r\n", 5, "a\r\nb\r\n"},
        {"a\r\nunfinished", 1, "a\r\n"},
        {"no end", 1, "no end"},
        {"a\r\n", 0, ""},
        {"", 3, ""},
        {"\r\n\r\n\r\n", 2, "\r\n\r\n"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(KeepFirstLines(QString::fromLatin1(c.text), c.maxLines),
                  QString::fromLatin1(c.kept));
    }
}

TEST(TerminalPaneTest, LinesGoOnTopNewestFirstAndRecordsInFrontOfThem)
{
    TerminalPane pane;
    pane.outputText = QStringLiteral("old\r\n");
    pane.PutLinesOnTop({QStringLiteral("first\r\n"), QStringLiteral("second\r\n")});
    pane.PutOnTop(QStringLiteral("echo\r\n"));
    EXPECT_EQ(pane.outputText, QStringLiteral("echo\r\nsecond\r\nfirst\r\nold\r\n"));
}

TEST(TerminalPaneTest, OutputKeepsTheNewestLinesOnly)
{
    TerminalPane pane;
    QStringList lines;
    for (int i = 0; i < TerminalPane::kMaxOutputLines + 5; ++i)
        lines << QStringLiteral("%1\r\n").arg(i);
    pane.PutLinesOnTop(lines);
    const QStringList kept = pane.outputText.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
    ASSERT_EQ(kept.size(), TerminalPane::kMaxOutputLines);
    EXPECT_EQ(kept.first(), QString::number(TerminalPane::kMaxOutputLines + 4));
    EXPECT_EQ(kept.last(), QStringLiteral("5"));
    pane.PutOnTop(QStringLiteral("newest\r\n"));
    EXPECT_TRUE(pane.outputText.startsWith(QStringLiteral("newest\r\n")));
    EXPECT_TRUE(pane.outputText.endsWith(QStringLiteral("\r\n6\r\n")));
}

} // namespace
