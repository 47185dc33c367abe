#include "app/terminal_pane.h"

#include "serial/terminal_line_queue.h"
#include "ui/terminal_output.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QScrollBar>
#include <QTest>
#include <gtest/gtest.h>

namespace {

// Batches go on top and the oldest rows go; rows scrolled to stay in view; every kind of line
// break makes a row, text without a final break runs on into the top row, and what is selected
// (Ctrl+A, a drag) is what Ctrl+C copies.
TEST(TerminalPaneTest, BatchesGoOnTopNewestFirstAndTheOutputStaysBoundedScrolledAndCopyable)
{
    TerminalOutput output;
    output.resize(200, 120);
    output.show();
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
    output.verticalScrollBar()->setValue(10);
    output.PutOnTop(u"y\r\n", kMaxOutputLines);
    EXPECT_EQ(output.verticalScrollBar()->value(), 11);

    ShowRecords(output, QStringLiteral("a\rb\nc\r\n"));
    output.PutOnTop(u"d\r\ne", kMaxOutputLines);
    EXPECT_EQ(output.Text(), "d\r\nea\r\nb\r\nc\r\n");
    for (const Qt::Key key : {Qt::Key_A, Qt::Key_C})
        QTest::keyClick(&output, key, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "d\nea\nb\nc");
    const int row = output.fontMetrics().height();
    QTest::mousePress(output.viewport(), Qt::LeftButton, {}, {0, 4 + row + row / 2});
    QTest::mouseMove(output.viewport(), {0, 4 + 3 * row + row / 2});
    QTest::keyClick(&output, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "ea\nb\n");
}

} // namespace
