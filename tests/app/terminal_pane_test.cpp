#include "app/terminal_pane.h"

#include "ui/terminal_output.h"

#include <gtest/gtest.h>

namespace {

TEST(TerminalPaneTest, BatchesGoOnTopNewestFirstAndTheFieldAndTextStayBoundedAlike)
{
    TerminalPane pane;
    TerminalOutput field;
    ASSERT_TRUE(pane.outputField.Attach(&field, 1));
    pane.outputText = QStringLiteral("old\r\n");
    field.SetText(QStringLiteral("old\r\n"));

    int next = 0;
    for (int batch = 0; batch < 7; ++batch) {
        TerminalLines lines;
        for (int i = 0; i < TerminalPane::kMaxOutputLines / 3; ++i) {
            lines.bytes += "L" + QByteArray::number(next++) + "\r\n";
            lines.ends.push_back(lines.bytes.size());
        }
        pane.ShowLinesOnTop(lines);
    }

    const QStringList kept = pane.outputText.split(QStringLiteral("\r\n"));
    ASSERT_EQ(kept.size(), TerminalPane::kMaxOutputLines + 1);
    for (int i = 0; i < TerminalPane::kMaxOutputLines; ++i)
        ASSERT_EQ(kept[i], QStringLiteral("L%1").arg(next - 1 - i));
    EXPECT_EQ(field.Text(), pane.outputText);
}

} // namespace
