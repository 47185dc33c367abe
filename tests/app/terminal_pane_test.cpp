#include "app/terminal_pane.h"

#include "ui/multi_line_edit.h"

#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

TEST(TerminalPaneTest, BatchesGoOnTopNewestFirstAndTheOutputStaysBounded)
{
    MultiLineEdit output(true);
    ShowRecords(output, QStringLiteral("old\r\n"));

    int next = 0;
    for (int batch = 0; batch < 7; ++batch) {
        QStringList lines;
        for (int i = 0; i < kMaxOutputLines / 3; ++i)
            lines.append(QStringLiteral("L%1\r\n").arg(next++));
        ShowLinesOnTop(output, lines);
    }

    const QStringList kept = output.toPlainText().split(u'\n');
    ASSERT_EQ(kept.size(), kMaxOutputLines + 1);
    for (int i = 0; i < kMaxOutputLines; ++i)
        ASSERT_EQ(kept[i], QStringLiteral("L%1").arg(next - 1 - i));
    EXPECT_FALSE(output.document()->isUndoAvailable());
}

} // namespace
