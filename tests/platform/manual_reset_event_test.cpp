#include "platform/manual_reset_event.h"

#include <atomic>
#include <gtest/gtest.h>
#include <thread>

using namespace std::chrono_literals;

TEST(ManualResetEvent, StartsUnsignalledAndTimesOut)
{
    ManualResetEvent event(QStringLiteral("ThreadEvent_Test"));
    EXPECT_FALSE(event.IsSet());
    EXPECT_FALSE(event.Wait(1ms));
    EXPECT_EQ(event.Name(), QStringLiteral("ThreadEvent_Test"));
}

TEST(ManualResetEvent, StaysSignalledForEveryWaitUntilReset)
{
    ManualResetEvent event(QStringLiteral("e"));
    event.Set();
    EXPECT_TRUE(event.Wait(0ms));
    EXPECT_TRUE(event.Wait(ManualResetEvent::kInfinite));
    event.Reset();
    EXPECT_FALSE(event.Wait(1ms));
}

TEST(ManualResetEvent, SetOnAnotherThreadWakesAllWaiters)
{
    ManualResetEvent event(QStringLiteral("e"));
    std::atomic<int> woken{0};
    std::thread first([&] { woken += event.Wait(ManualResetEvent::kInfinite) ? 1 : 0; });
    std::thread second([&] { woken += event.Wait(60s) ? 1 : 0; });
    std::this_thread::sleep_for(10ms);
    event.Set();
    first.join();
    second.join();
    EXPECT_EQ(woken, 2);
}

TEST(ManualResetEvent, EventsWithOneNameAreIndependent)
{
    ManualResetEvent first(QStringLiteral("ThreadEvent_CR"));
    ManualResetEvent second(QStringLiteral("ThreadEvent_CR"));
    first.Set();
    EXPECT_FALSE(second.IsSet());
}
