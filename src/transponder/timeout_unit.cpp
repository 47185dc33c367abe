#include "transponder/timeout_unit.h"

#include "platform/number_parsing.h"
#include "transponder/reader_protocol.h"

#include <algorithm>

int ScaledTimeoutUnit(int currentUnit, const QString& torAnswer, int factor)
{
    const std::int32_t value = ParseLeadingInt32(torAnswer);
    if (value < kMinTimeoutAnswer || value > kMaxTimeoutAnswer)
        return currentUnit;
    return value * factor;
}

std::chrono::milliseconds AnswerWait(int timeoutUnit, int waitFactor)
{
    const std::int64_t wait = static_cast<std::int64_t>(timeoutUnit) * waitFactor;
    return std::chrono::milliseconds(std::max<std::int64_t>(wait, 0));
}
