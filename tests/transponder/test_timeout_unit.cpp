#include "transponder/reader_protocol.h"
#include "transponder/timeout_unit.h"

#include <gtest/gtest.h>

namespace {

TEST(ScaledTimeoutUnit, TakesOnlyAnswersFromOneTo255)
{
    const std::tuple<QString, int, int> cases[] = {
        // TOR answer, unit after a read, unit after a write (both starting from 160)
        {"10\r\n", 130, 250},    {"  +10abc\r\n", 130, 250}, {"1\r\n", 13, 25},
        {"255\r\n", 3315, 6375}, {"256\r\n", 160, 160},      {"99999999999\r\n", 160, 160},
        {"- 5\r\n", 160, 160},
    };
    for (const auto& [answer, readUnit, writeUnit] : cases) {
        SCOPED_TRACE(answer.toStdString());
        EXPECT_EQ(ScaledTimeoutUnit(kInitialTimeoutUnit, answer, kReadPagesTimeoutFactor),
                  readUnit);
        EXPECT_EQ(ScaledTimeoutUnit(kInitialTimeoutUnit, answer, kWritePagesTimeoutFactor),
                  writeUnit);
    }
}

TEST(ScaledTimeoutUnit, LaterWaitsUseTheUnitAnEarlierOperationLeft)
{
    const int afterRead = ScaledTimeoutUnit(kInitialTimeoutUnit, "10\r\n", kReadPagesTimeoutFactor);
    const int afterSilentLock = ScaledTimeoutUnit(afterRead, "", kLockPagesTimeoutFactor);
    EXPECT_EQ(AnswerWait(afterSilentLock, kTimeoutQueryWaitFactor), std::chrono::milliseconds(520));
    EXPECT_EQ(AnswerWait(afterRead, kReadPageWaitFactor), std::chrono::milliseconds(2210));
    EXPECT_EQ(AnswerWait(-5, kReadPageWaitFactor), std::chrono::milliseconds(0));
}

} // namespace
