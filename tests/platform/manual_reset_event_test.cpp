#include "platform/manual_reset_event.h"

#include "support/wait_until.h"

#include <atomic>
#include <gtest/gtest.h>
#include <thread>

using namespace std::chrono_literals;

TEST(ManualResetEvent, SetWakesEveryWaiterAndStaysSetUntilResetWithoutTouchingAnotherEvent)
{
    ManualResetEvent event, other;
    std::atomic<int> woken{0};
    const auto waiter = [&] {
        event.Wait(ManualResetEvent::kInfinite);
        ++woken;
    };
    std::thread first(waiter), second(waiter);
    EXPECT_TRUE(WaitUntil([&] { return event.Waiting() == 2; }));
    event.Set();
    EXPECT_TRUE(WaitUntil([&] { return woken == 2; })) << "a waiter missed the wake-up";
    while (woken < 2) // lets a stuck waiter go after a failure
        event.Set();
    first.join();
    second.join();
    EXPECT_TRUE(event.Wait(0ms));
    EXPECT_FALSE(other.IsSet());
    event.Reset();
    EXPECT_FALSE(event.Wait(1ms));
}
