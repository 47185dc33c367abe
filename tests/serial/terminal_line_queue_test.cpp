#include "serial/terminal_line_queue.h"

#include <gtest/gtest.h>

TEST(TerminalLineQueue, WakesOnceForABatchAndCallsTheWakeOutsideItsLock)
{
    TerminalLineQueue queue;
    int wakes = 0;
    queue.SetWakeCallback([&] { ++wakes; });
    queue.Push("one");
    queue.Push("two");
    EXPECT_EQ(wakes, 1);
    EXPECT_EQ(queue.TakeAll().ends, (std::vector<qsizetype>{3, 6}));
    // Taking from inside the wake would deadlock if the queue held its lock while calling it.
    QByteArray taken;
    queue.SetWakeCallback([&] { taken += queue.TakeAll().bytes; });
    for (const char* line : {"a", "b", "c"})
        queue.Push(line);
    EXPECT_EQ(taken, "abc");
    // A batch nobody took for long keeps its newest lines in order, at least kKeptLines of them
    // and at most twice that.
    queue.SetWakeCallback({});
    const qsizetype pushed = 2 * TerminalLineQueue::kKeptLines + 5;
    for (qsizetype i = 0; i < pushed; ++i)
        queue.Push(QByteArray::number(i));
    const TerminalLines kept = queue.TakeAll();
    const qsizetype count = std::ssize(kept.ends);
    ASSERT_GE(count, TerminalLineQueue::kKeptLines);
    ASSERT_LE(count, 2 * TerminalLineQueue::kKeptLines);
    for (qsizetype i = 0, start = 0; i < count; start = kept.ends[i++])
        ASSERT_EQ(kept.bytes.sliced(start, kept.ends[i] - start),
                  QByteArray::number(pushed - count + i));
}
