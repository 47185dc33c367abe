#include "app/terminal_pane.h"

#include "serial/terminal_line_queue.h"
#include "ui/terminal_output.h"

#include <gtest/gtest.h>

namespace {

TEST(TerminalPaneTest, BatchesGoOnTopNewestFirstAndTheOutputStaysBounded)
{
    TerminalOutput output;
    ShowRecords(output, QStringLiteral("old\r\n"));

    int next = 0;
    for (int batch = 0; batch < 7; ++batch) {
        TerminalLines lines;
        for (int i = 0; i < kMaxOutputLines / 3; ++i) {
            lines.bytes += "L" + QByteArray::number(next++) + "\r\n";
            lines.ends.push_back(lines.bytes.size());
        }
        ShowLinesOnTop(output, lines);
    }

    const QStringList kept = output.Text().split(QStringLiteral("\r\n"));
    ASSERT_EQ(kept.size(), kMaxOutputLines + 1);
    for (int i = 0; i < kMaxOutputLines; ++i)
        ASSERT_EQ(kept[i], QStringLiteral("L%1").arg(next - 1 - i));
}

} // namespace
