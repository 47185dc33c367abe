#include "cli/reader_commands.h"

#include "cli/result_kinds.h"

#include "serial/serial_link.h"
#include "transponder/answers.h"
#include "transponder/operation_runs.h"
#include "transponder/exchange.h"
#include "transponder/reader_operation.h"

#include <algorithm>

namespace {

// One operation's hold on the link: busy flag, its own records and the timeout unit, as the
// window's operations start with (the window starts with the same unit and the same TOR).
class Operation
{
public:
    Operation(SerialLink& link, ReaderOperation operation, CliReport& report)
        : scope(link, operation, records, timeoutUnit), report(report)
    {
        report.sent.append(TimeoutQueryCommand().line.chopped(kCommandEnd.size()));
        scope.QueryTimeout();
    }

    ExchangeContext& Exchanges() { return scope.Exchanges(); }

    // Notes the commands of steps and whether they all succeeded.
    void Note(const std::vector<ReaderStep>& steps)
    {
        for (const ReaderStep& step : steps) {
            report.sent.append(step.command);
            report.ok = report.ok && step.good;
        }
    }

private:
    QString records;
    int timeoutUnit = kInitialTimeoutUnit;
    OperationScope scope;
    CliReport& report;
};

// Keeps an outcome in the report and tells the caller at once.
void Record(const Outcome& outcome, const CommandHooks& hooks, CliReport& report)
{
    switch (outcome.item) {
    case OutcomeItem::Page:
        report.pages.push_back(outcome);
        break;
    case OutcomeItem::Uid:
        report.uid = outcome;
        break;
    case OutcomeItem::CarrierId:
        report.carrierId = outcome;
        break;
    }
    if (hooks.outcome)
        hooks.outcome(outcome);
}

// Hooks for a page run: each step's outcome (outcomeOf) is recorded as the step ends.
PageRunHooks PageHooks(const CommandHooks& hooks, CliReport& report,
                       const std::function<Outcome(const ReaderStep&)>& outcomeOf)
{
    PageRunHooks pageHooks;
    pageHooks.starting = hooks.progress;
    pageHooks.stopRequested = hooks.stopRequested;
    pageHooks.finished = [&hooks, &report, outcomeOf](const ReaderStep& step) {
        report.lastStep = QStringLiteral("P%1").arg(step.page);
        Record(outcomeOf(step), hooks, report);
    };
    return pageHooks;
}

// The outcome of a step: good (result and data) or the failure its exchange shows.
Outcome OutcomeOf(const ReaderStep& step, QLatin1StringView good, const QString& data)
{
    return step.good ? OutcomeWith(step.page, good, data, step.answer)
                     : FailedOutcome(step.page, step.answer);
}

// Records `untried` for the selected pages the run never reached.
void NoteUntried(const std::vector<ReaderStep>& steps, const PageSelection& selected,
                 QLatin1StringView untried, const CommandHooks& hooks, CliReport& report)
{
    PageSelection tried{};
    for (const ReaderStep& step : steps)
        tried[step.page - 1] = true;
    for (int page = 1; page <= kPageCount; ++page) {
        if (selected[page - 1] && !tried[page - 1]) {
            Record({page, {}, {}, {}, untried, 0}, hooks, report);
            report.ok = false;
        }
    }
}

// Reads the UID into the report.
void ReadUid(Operation& operation, const CommandHooks& hooks, CliReport& report)
{
    const ReaderStep step = ReadUidRun(operation.Exchanges());
    operation.Note({step});
    Outcome outcome = OutcomeOf(step, CliResult::kRead, WithoutLineEnds(step.answer.kept));
    outcome.item = OutcomeItem::Uid;
    report.lastStep = QStringLiteral("RUID");
    Record(outcome, hooks, report);
}

// The outcome of a carrier ID run: good, or the first step that failed; a read-back that read
// well but differs from what was written is a mismatch.
Outcome CarrierIdOutcome(const std::vector<ReaderStep>& steps, bool good,
                         QLatin1StringView goodResult, const QString& data)
{
    const auto failed = std::ranges::find_if(steps, [](const ReaderStep& s) { return !s.good; });
    if (good || failed == steps.end())
        return {
            0, data, {}, {}, good ? goodResult : CliResult::kMismatch, 0, OutcomeItem::CarrierId};
    Outcome outcome = FailedOutcome(0, failed->answer);
    outcome.item = OutcomeItem::CarrierId;
    // Only a page read can answer a whole page; a good one that failed did not read as written.
    if (IsGoodPageAnswer(failed->answer))
        outcome.result = CliResult::kMismatch;
    return outcome;
}

} // namespace

void RunRead(SerialLink& link, const CliRequest& request, const CommandHooks& hooks,
             CliReport& report)
{
    Operation operation(link, ReaderOperation::ReadPages, report);
    if (hooks.uidFirst)
        ReadUid(operation, hooks, report);
    const std::vector<ReaderStep> steps = ReadPageRun(
        operation.Exchanges(), request.pages, PageHooks(hooks, report, [&](const ReaderStep& step) {
            return OutcomeOf(step, CliResult::kRead, PresentHex(step.answer.kept, request.format));
        }));
    operation.Note(steps);
    NoteUntried(steps, request.pages, CliResult::kNotRead, hooks, report);
}

void RunWrite(SerialLink& link, const std::vector<PageText>& pagesHex, bool verify,
              DisplayFormat format, const CommandHooks& hooks, CliReport& report)
{
    Operation operation(link, ReaderOperation::WritePages, report);
    if (hooks.uidFirst)
        ReadUid(operation, hooks, report);
    std::array<QString, kPageCount> data;
    PageSelection selected{};
    for (const PageText& page : pagesHex) {
        data[page.page - 1] = page.text;
        selected[page.page - 1] = true;
    }
    const auto dataFor = [&](int page) -> std::optional<QString> {
        return selected[page - 1] ? std::optional<QString>(data[page - 1]) : std::nullopt;
    };
    const auto shown = [&](const ReaderStep& step) {
        return PresentHex(data[step.page - 1], format);
    };
    const std::vector<ReaderStep> steps = WritePageRun(
        operation.Exchanges(), dataFor, PageHooks(hooks, report, [&](const ReaderStep& step) {
            return OutcomeOf(step, CliResult::kWritten, shown(step));
        }));
    operation.Note(steps);
    const bool stopped = hooks.stopRequested && hooks.stopRequested();
    // A UID that did not read does not keep the written pages from being verified.
    const bool allWritten = steps.size() == pagesHex.size() &&
                            std::ranges::all_of(steps, [](const ReaderStep& s) { return s.good; });
    if (!verify || !allWritten) {
        NoteUntried(steps, selected, CliResult::kNotWritten, hooks, report);
        return;
    }
    if (stopped) {
        NoteUntried({}, selected, CliResult::kNotVerified, hooks, report);
        return;
    }
    // Every page was acknowledged: each is read back, in the same run, and must equal what went
    // out.
    const auto matches = [&](const ReaderStep& check) {
        return check.good && check.answer.kept == data[check.page - 1];
    };
    std::vector<ReaderStep> checks = ReadPageRun(
        operation.Exchanges(), selected, PageHooks(hooks, report, [&](const ReaderStep& check) {
            Outcome outcome = OutcomeOf({check.page, check.command, check.answer, matches(check)},
                                        CliResult::kVerified, shown(check));
            if (!matches(check) && IsGoodPageAnswer(check.answer))
                outcome.result = CliResult::kMismatch;
            return outcome;
        }));
    for (ReaderStep& check : checks)
        check.good = matches(check);
    operation.Note(checks);
    NoteUntried(checks, selected, CliResult::kNotVerified, hooks, report);
}

void RunLock(SerialLink& link, const PageSelection& pages, const CommandHooks& hooks,
             CliReport& report)
{
    Operation operation(link, ReaderOperation::LockPages, report);
    if (hooks.uidFirst)
        ReadUid(operation, hooks, report);
    const std::vector<ReaderStep> steps = LockPageRun(
        operation.Exchanges(), pages, PageHooks(hooks, report, [](const ReaderStep& step) {
            return OutcomeOf(step, CliResult::kLocked, {});
        }));
    operation.Note(steps);
    NoteUntried(steps, pages, CliResult::kNotLocked, hooks, report);
}

void RunReadUid(SerialLink& link, const CommandHooks& hooks, CliReport& report)
{
    Operation operation(link, ReaderOperation::ReadUid, report);
    ReadUid(operation, hooks, report);
}

void RunReadCarrierId(SerialLink& link, int length, DisplayFormat format, const CommandHooks& hooks,
                      CliReport& report)
{
    Operation operation(link, ReaderOperation::ReadCarrierId, report);
    if (hooks.uidFirst)
        ReadUid(operation, hooks, report);
    const CarrierIdReading reading = ReadCarrierIdRun(operation.Exchanges(), length);
    operation.Note(reading.steps);
    Record(CarrierIdOutcome(reading.steps, reading.good, CliResult::kRead,
                            PresentHex(reading.hex, format)),
           hooks, report);
}

void RunWriteCarrierId(SerialLink& link, const QString& carrierIdHex, int length,
                       DisplayFormat format, const CommandHooks& hooks, CliReport& report)
{
    Operation operation(link, ReaderOperation::WriteCarrierId, report);
    if (hooks.uidFirst)
        ReadUid(operation, hooks, report);
    const CarrierIdWriting writing = WriteCarrierIdRun(operation.Exchanges(), carrierIdHex, length);
    for (const ReaderStep& step : writing.steps)
        report.sent.append(step.command);
    const bool written = writing.outcome == CarrierIdWriteOutcome::Written;
    report.ok = report.ok && written;
    Record(CarrierIdOutcome(writing.steps, written, CliResult::kWritten,
                            PresentHex(carrierIdHex, format)),
           hooks, report);
}
