#include "cli/tag_presence.h"

#include "cli/stop_signals.h"
#include "serial/serial_link.h"
#include "transponder/reader_operation.h"
#include "transponder/reader_protocol.h"
#include "transponder/operation_runs.h"

#include <chrono>
#include <thread>

namespace {

constexpr std::chrono::milliseconds kPollPeriod{200};
constexpr std::chrono::milliseconds kStopCheckPeriod{10};

} // namespace

std::optional<QString> TagPresence::WaitForTag()
{
    return PollUntil([](const std::optional<QString>& uid) { return uid.has_value(); }).uid;
}

bool TagPresence::WaitUntilGone(const QString& uid)
{
    return !PollUntil([&](const std::optional<QString>& read) { return read != uid; }).stopped;
}

TagPresence::PollEnd
TagPresence::PollUntil(const std::function<bool(const std::optional<QString>& uid)>& done)
{
    if (StopSignalReceived() != 0)
        return {true, std::nullopt};
    QString records;
    int timeoutUnit = kInitialTimeoutUnit;
    OperationScope scope(link, ReaderOperation::ReadUid, records, timeoutUnit);
    scope.QueryTimeout();
    ExchangeContext& context = scope.Exchanges();
    for (;;) {
        const auto next = std::chrono::steady_clock::now() + kPollPeriod;
        const ReaderStep step = ReadUidRun(context);
        records.clear(); // a long wait would otherwise keep every answer
        const std::optional<QString> uid =
            step.good ? std::optional<QString>(WithoutLineEnds(step.answer.kept)) : std::nullopt;
        if (done(uid))
            return {false, uid};
        while (std::chrono::steady_clock::now() < next) {
            if (StopSignalReceived() != 0)
                return {true, std::nullopt};
            std::this_thread::sleep_for(kStopCheckPeriod);
        }
    }
}
