#include "app/terminal_pane.h"

#include "ui/multi_line_edit.h"

#include <QTextDocument>
#include <gtest/gtest.h>

namespace {

TEST(TerminalPaneTest, BatchesGoOnTopNewestFirstAndTheFieldAndTextStayBoundedAlike)
{
    TerminalPane pane;
    MultiLineEdit field(true);
    ASSERT_TRUE(pane.outputField.Attach(&field, 1));
    pane.outputText = QStringLiteral("old\r\n");
    field.setPlainText(QStringLiteral("old\n"));

    int next = 0;
    for (int batch = 0; batch < 7; ++batch) {
        QStringList lines;
        for (int i = 0; i < TerminalPane::kMaxOutputLines / 3; ++i)
            lines.append(QStringLiteral("L%1\r\n").arg(next++));
        pane.ShowLinesOnTop(lines);
    }

    const QStringList kept = pane.outputText.split(QStringLiteral("\r\n"));
    ASSERT_EQ(kept.size(), TerminalPane::kMaxOutputLines + 1);
    for (int i = 0; i < TerminalPane::kMaxOutputLines; ++i)
        ASSERT_EQ(kept[i], QStringLiteral("L%1").arg(next - 1 - i));
    EXPECT_EQ(field.toPlainText(), QString(pane.outputText).replace(QStringLiteral("\r\n"), "\n"));
    EXPECT_FALSE(field.document()->isUndoAvailable());
}

} // namespace
