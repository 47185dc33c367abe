#include "framework/registered_messages.h"

#include <algorithm>
#include <gtest/gtest.h>
#include <thread>
#include <vector>

namespace {

TEST(RegisterWindowMessage, SameNameGivesSameIdWithoutRegardToCaseAndEmptyNameIsRefused)
{
    const UINT first = RegisterWindowMessage(QStringLiteral("UWM_TEST_SAME-{1}"));
    EXPECT_GE(first, kFirstRegisteredMessage);
    EXPECT_LE(first, kLastRegisteredMessage);
    EXPECT_EQ(RegisterWindowMessage(QStringLiteral("uwm_test_same-{1}")), first);
    EXPECT_NE(RegisterWindowMessage(QStringLiteral("UWM_TEST_OTHER-{1}")), first);
    EXPECT_EQ(RegisterWindowMessage(QString()), 0u);
}

TEST(RegisterWindowMessage, ThreadsRegisteringTheSameNamesAgreeOnDistinctIds)
{
    constexpr int kThreads = 4;
    constexpr int kNames = 50;
    std::vector<std::vector<UINT>> seen(kThreads, std::vector<UINT>(kNames));
    std::vector<std::thread> threads;
    for (int t = 0; t < kThreads; ++t) {
        threads.emplace_back([t, &seen] {
            for (int n = 0; n < kNames; ++n)
                seen[t][n] = RegisterWindowMessage(QStringLiteral("UWM_THREADED_%1").arg(n));
        });
    }
    for (std::thread& thread : threads)
        thread.join();
    for (int t = 1; t < kThreads; ++t)
        EXPECT_EQ(seen[t], seen[0]);
    std::sort(seen[0].begin(), seen[0].end());
    EXPECT_EQ(std::adjacent_find(seen[0].begin(), seen[0].end()), seen[0].end());
}

} // namespace
