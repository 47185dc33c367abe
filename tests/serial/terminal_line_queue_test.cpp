#include "serial/terminal_line_queue.h"

#include <QStringList>
#include <gtest/gtest.h>

namespace {

QStringList LineTexts(const TerminalLines& lines)
{
    QStringList texts;
    qsizetype start = 0;
    for (const qsizetype end : lines.ends) {
        texts.append(QString::fromLatin1(lines.bytes.sliced(start, end - start)));
        start = end;
    }
    return texts;
}

} // namespace

TEST(TerminalLineQueue, WakesOnceForABatchAndCallsTheWakeOutsideItsLock)
{
    TerminalLineQueue queue;
    int wakes = 0;
    queue.SetWakeCallback([&] { ++wakes; });
    queue.Push("one");
    queue.Push("two");
    EXPECT_EQ(wakes, 1);
    EXPECT_EQ(LineTexts(queue.TakeAll()), (QStringList{"one", "two"}));
    // Taking from inside the wake would deadlock if the queue held its lock while calling it.
    QStringList taken;
    queue.SetWakeCallback([&] { taken += LineTexts(queue.TakeAll()); });
    for (const char* line : {"a", "b", "c"})
        queue.Push(line);
    EXPECT_EQ(taken, (QStringList{"a", "b", "c"}));
    // A batch nobody took for long keeps its newest lines in order, at least kKeptLines of them
    // and at most twice that.
    queue.SetWakeCallback({});
    const qsizetype pushed = 2 * TerminalLineQueue::kKeptLines + 5;
    for (qsizetype i = 0; i < pushed; ++i)
        queue.Push(QByteArray::number(i));
    const QStringList kept = LineTexts(queue.TakeAll());
    ASSERT_GE(kept.size(), TerminalLineQueue::kKeptLines);
    ASSERT_LE(kept.size(), 2 * TerminalLineQueue::kKeptLines);
    for (qsizetype i = 0; i < kept.size(); ++i)
        ASSERT_EQ(kept[i], QString::number(pushed - kept.size() + i));
}
