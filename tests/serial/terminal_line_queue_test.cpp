#include "serial/terminal_line_queue.h"

#include <gtest/gtest.h>

TEST(TerminalLineQueue, WakesOnceForABatchAndAgainAfterTheTake)
{
    TerminalLineQueue queue;
    int wakes = 0;
    queue.SetWakeCallback([&] { ++wakes; });
    queue.Push(QStringLiteral("one\r\n"));
    queue.Push(QStringLiteral("two\r\n"));
    queue.Push(QStringLiteral("three\r\n"));
    EXPECT_EQ(wakes, 1);
    EXPECT_EQ(queue.TakeAll(), (QStringList{QStringLiteral("one\r\n"), QStringLiteral("two\r\n"),
                                            QStringLiteral("three\r\n")}));
    EXPECT_TRUE(queue.TakeAll().isEmpty());
    queue.Push(QStringLiteral("four\r\n"));
    EXPECT_EQ(wakes, 2);

    // The callback runs outside the lock: taking from inside it must not deadlock.
    QStringList taken;
    queue.SetWakeCallback([&] { taken += queue.TakeAll(); });
    queue.TakeAll();
    queue.Push(QStringLiteral("a"));
    queue.Push(QStringLiteral("b"));
    EXPECT_EQ(taken, (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
}
