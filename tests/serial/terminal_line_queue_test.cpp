#include "serial/terminal_line_queue.h"

#include <atomic>
#include <gtest/gtest.h>
#include <thread>

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
}

TEST(TerminalLineQueue, WakeCallbackRunsOutsideTheLock)
{
    TerminalLineQueue queue;
    QStringList taken;
    queue.SetWakeCallback([&] { taken += queue.TakeAll(); });
    queue.Push(QStringLiteral("a"));
    queue.Push(QStringLiteral("b"));
    EXPECT_EQ(taken, (QStringList{QStringLiteral("a"), QStringLiteral("b")}));
}

TEST(TerminalLineQueue, NoLineIsLostBetweenAProducerAndABatchingConsumer)
{
    TerminalLineQueue queue;
    std::atomic<int> wakes{0};
    queue.SetWakeCallback([&] { ++wakes; });
    constexpr int kLines = 5000;
    std::thread producer([&] {
        for (int index = 0; index < kLines; ++index)
            queue.Push(QString::number(index));
    });
    QStringList taken;
    while (taken.size() < kLines) {
        if (wakes > 0)
            taken += queue.TakeAll();
        std::this_thread::yield();
    }
    producer.join();
    ASSERT_EQ(taken.size(), kLines);
    for (int index = 0; index < kLines; ++index)
        ASSERT_EQ(taken[index], QString::number(index));
}
