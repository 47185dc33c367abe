#include "transponder/reader_protocol.h"
#include "transponder/timeout_unit.h"

#include <gtest/gtest.h>

namespace {

struct TorCase
{
    QString answer;
    int readUnit;  // after a read, starting from 160
    int writeUnit; // after a write, starting from 160
};

TEST(ScaledTimeoutUnit, TakesOnlyAnswersFromOneTo255)
{
    const TorCase cases[] = {
        {"10\r\n", 130, 250},
        {"10", 130, 250},
        {"  +10abc\r\n", 130, 250},
        {"\t1\r\n", 13, 25},
        {"255\r\n", 3315, 6375},
        {"0\r\n", 160, 160},
        {"-1\r\n", 160, 160},
        {"256\r\n", 160, 160},
        {"99999999999999999999\r\n", 160, 160},
        {"abc\r\n", 160, 160},
        {"- 5\r\n", 160, 160},
        {"", 160, 160},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.answer.toStdString());
        EXPECT_EQ(ScaledTimeoutUnit(kInitialTimeoutUnit, c.answer, kReadPagesTimeoutFactor),
                  c.readUnit);
        EXPECT_EQ(ScaledTimeoutUnit(kInitialTimeoutUnit, c.answer, kWritePagesTimeoutFactor),
                  c.writeUnit);
    }
}

TEST(ScaledTimeoutUnit, KeepsTheUnitAnEarlierOperationLeft)
{
    const int afterRead = ScaledTimeoutUnit(kInitialTimeoutUnit, "10\r\n", kReadPagesTimeoutFactor);
    EXPECT_EQ(ScaledTimeoutUnit(afterRead, "", kLockPagesTimeoutFactor), 130);
    EXPECT_EQ(AnswerWait(afterRead, kTimeoutQueryWaitFactor), std::chrono::milliseconds(520));
}

TEST(AnswerWait, IsTheFactorTimesTheUnit)
{
    EXPECT_EQ(AnswerWait(160, kTimeoutQueryWaitFactor), std::chrono::milliseconds(640));
    EXPECT_EQ(AnswerWait(130, kReadPageWaitFactor), std::chrono::milliseconds(2210));
    EXPECT_EQ(AnswerWait(250, kWritePageWaitFactor), std::chrono::milliseconds(1000));
    EXPECT_EQ(AnswerWait(160, kReadUidWaitFactor), std::chrono::milliseconds(1440));
    EXPECT_EQ(AnswerWait(6375, kReadPageWaitFactor), std::chrono::milliseconds(108375));
    EXPECT_EQ(AnswerWait(-5, kReadPageWaitFactor), std::chrono::milliseconds(0));
}

} // namespace
