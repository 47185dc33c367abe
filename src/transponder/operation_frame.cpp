#include "transponder/operation_frame.h"

#include "serial/serial_link.h"
#include "transponder/exchange_context.h"
#include "transponder/timeout_query.h"

#include <atomic>
#include <cstdint>

namespace {

void RunIfSet(const std::function<void()>& step)
{
    if (step)
        step();
}

std::atomic<std::uint8_t>& FlagOf(ReceiveThread& receiveThread, BusyFlag flag)
{
    return flag == BusyFlag::Write ? receiveThread.writeBusy : receiveThread.readBusy;
}

} // namespace

void RunOperation(ExchangeContext& context, const OperationSteps& steps)
{
    RunIfSet(steps.takeFields);
    RunIfSet(steps.afterFieldsTaken);
    context.terminalText.clear();
    std::atomic<std::uint8_t>& busy = FlagOf(context.link.receiveThread, steps.busyFlag);
    busy = 1;
    RunIfSet(steps.beforeConnectedCheck);
    if (context.link.connected != 0) {
        RunIfSet(steps.beforeTimeoutQuery);
        TimeoutQuery(context, steps.timeoutFactor);
        if (steps.exchanges)
            steps.exchanges(context);
    }
    busy = 0;
    RunIfSet(steps.afterBusyCleared);
}
