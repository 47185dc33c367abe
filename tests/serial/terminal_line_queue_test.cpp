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
    EXPECT_EQ(queue.TakeAll(), (QStringList{"one", "two"}));
    // Taking from inside the wake would deadlock if the queue held its lock while calling it.
    QStringList taken;
    queue.SetWakeCallback([&] { taken += queue.TakeAll(); });
    for (const char* line : {"a", "b", "c"})
        queue.Push(line);
    EXPECT_EQ(taken, (QStringList{"a", "b", "c"}));
}
