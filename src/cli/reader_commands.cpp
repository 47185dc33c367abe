#include "cli/reader_commands.h"

#include "cli/result_kinds.h"

#include "serial/serial_link.h"
#include "transponder/answer_judging.h"
#include "transponder/carrier_id_runs.h"
#include "transponder/exchange_context.h"
#include "transponder/reader_command.h"
#include "transponder/timeout_query.h"
#include "transponder/uid_run.h"

#include <algorithm>

namespace {

// One operation's hold on the link: busy flag, its own records and the timeout unit, as the
// window's operations start with (the window starts with the same unit and the same TOR).
class Operation
{
public:
    Operation(SerialLink& link, ReceiveThread::Busy busy, int timeoutFactor, CliReport& report)
        : busyScope(link.receiveThread, busy), context{link, records, timeoutUnit}, report(report)
    {
        report.sent.append(TimeoutQueryCommand().line.chopped(kCommandEnd.size()));
        TimeoutQuery(context, timeoutFactor);
    }

    ExchangeContext& Exchanges() { return context; }

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
    ReceiveThread::BusyScope busyScope;
    ExchangeContext context;
    CliReport& report;
};

PageRunHooks ProgressHooks(const Progress& progress)
{
    PageRunHooks hooks;
    hooks.starting = progress;
    return hooks;
}

// The outcome of a step: good (result and data) or the failure its exchange shows.
Outcome OutcomeOf(const ReaderStep& step, QLatin1StringView good, const QString& data)
{
    return step.good ? OutcomeWith(step.page, good, data, step.answer)
                     : FailedOutcome(step.page, step.answer);
}

// Outcomes of the pages a run tried, then `untried` for the selected pages it never reached.
void NotePages(const std::vector<ReaderStep>& steps, const PageSelection& selected,
               QLatin1StringView untried,
               const std::function<Outcome(const ReaderStep&)>& outcomeOf, CliReport& report)
{
    std::size_t next = 0;
    for (int page = 1; page <= kPageCount; ++page) {
        if (!selected[page - 1])
            continue;
        if (next < steps.size() && steps[next].page == page) {
            report.pages.push_back(outcomeOf(steps[next++]));
        } else {
            report.pages.push_back({page, {}, {}, {}, untried, 0});
            report.ok = false;
        }
    }
}

// The outcome of a carrier ID run: good, or the first step that failed; a read-back that read
// well but differs from what was written is a mismatch.
Outcome CarrierIdOutcome(const std::vector<ReaderStep>& steps, bool good,
                         QLatin1StringView goodResult, const QString& data)
{
    const auto failed = std::ranges::find_if(steps, [](const ReaderStep& s) { return !s.good; });
    if (good || failed == steps.end())
        return {0, data, {}, {}, good ? goodResult : CliResult::kMismatch, 0};
    Outcome outcome = FailedOutcome(0, failed->answer);
    // Only a page read can answer a whole page; a good one that failed did not read as written.
    if (IsGoodPageAnswer(failed->answer))
        outcome.result = CliResult::kMismatch;
    return outcome;
}

} // namespace

void RunRead(SerialLink& link, const CliRequest& request, const Progress& progress,
             CliReport& report)
{
    Operation operation(link, ReceiveThread::Busy::Read, kReadPagesTimeoutFactor, report);
    const std::vector<ReaderStep> steps =
        ReadPageRun(operation.Exchanges(), request.pages, ProgressHooks(progress));
    operation.Note(steps);
    NotePages(
        steps, request.pages, CliResult::kNotRead,
        [&](const ReaderStep& step) {
            return OutcomeOf(step, CliResult::kRead, PresentHex(step.answer.kept, request.format));
        },
        report);
}

void RunWrite(SerialLink& link, const std::vector<PageText>& pagesHex, bool verify,
              DisplayFormat format, const Progress& progress, CliReport& report,
              const std::function<bool()>& stopRequested)
{
    Operation operation(link, ReceiveThread::Busy::Write, kWritePagesTimeoutFactor, report);
    std::array<QString, kPageCount> data;
    PageSelection selected{};
    for (const PageText& page : pagesHex) {
        data[page.page - 1] = page.text;
        selected[page.page - 1] = true;
    }
    const auto dataFor = [&](int page) -> std::optional<QString> {
        if (stopRequested && stopRequested())
            return std::nullopt;
        return selected[page - 1] ? std::optional<QString>(data[page - 1]) : std::nullopt;
    };
    const std::vector<ReaderStep> steps =
        WritePageRun(operation.Exchanges(), dataFor, ProgressHooks(progress));
    operation.Note(steps);
    const auto shown = [&](const ReaderStep& step) { return PresentHex(data[step.page - 1], format); };
    // A stopped write is reported as it stands: its pages are not read back.
    if (!verify || !report.ok || (stopRequested && stopRequested())) {
        NotePages(
            steps, selected, CliResult::kNotWritten,
            [&](const ReaderStep& step) {
                return OutcomeOf(step, CliResult::kWritten, shown(step));
            },
            report);
        return;
    }
    // Every page was acknowledged: each is read back, in the same run, and must equal what went out.
    std::vector<ReaderStep> checks =
        ReadPageRun(operation.Exchanges(), selected, ProgressHooks(progress));
    for (ReaderStep& check : checks)
        check.good = check.good && check.answer.kept == data[check.page - 1];
    operation.Note(checks);
    NotePages(
        checks, selected, CliResult::kNotVerified,
        [&](const ReaderStep& check) {
            Outcome outcome = OutcomeOf(check, CliResult::kVerified, shown(check));
            if (!check.good && IsGoodPageAnswer(check.answer))
                outcome.result = CliResult::kMismatch;
            return outcome;
        },
        report);
}

void RunLock(SerialLink& link, const PageSelection& pages, const Progress& progress,
             CliReport& report)
{
    Operation operation(link, ReceiveThread::Busy::Read, kLockPagesTimeoutFactor, report);
    const std::vector<ReaderStep> steps =
        LockPageRun(operation.Exchanges(), pages, ProgressHooks(progress));
    operation.Note(steps);
    NotePages(
        steps, pages, CliResult::kNotLocked,
        [](const ReaderStep& step) { return OutcomeOf(step, CliResult::kLocked, {}); }, report);
}

void RunReadUid(SerialLink& link, CliReport& report)
{
    Operation operation(link, ReceiveThread::Busy::Read, kReadUidTimeoutFactor, report);
    const ReaderStep step = ReadUidRun(operation.Exchanges());
    operation.Note({step});
    report.uid = OutcomeOf(step, CliResult::kRead, WithoutLineEnds(step.answer.kept));
}

void RunReadCarrierId(SerialLink& link, int length, DisplayFormat format, CliReport& report)
{
    Operation operation(link, ReceiveThread::Busy::Read, kReadCarrierIdTimeoutFactor, report);
    const CarrierIdReading reading = ReadCarrierIdRun(operation.Exchanges(), length);
    operation.Note(reading.steps);
    report.carrierId = CarrierIdOutcome(reading.steps, reading.good, CliResult::kRead,
                                        PresentHex(reading.hex, format));
}

void RunWriteCarrierId(SerialLink& link, const QString& carrierIdHex, int length,
                       DisplayFormat format, CliReport& report)
{
    Operation operation(link, ReceiveThread::Busy::Write, kWriteCarrierIdTimeoutFactor, report);
    const CarrierIdWriting writing = WriteCarrierIdRun(operation.Exchanges(), carrierIdHex, length);
    for (const ReaderStep& step : writing.steps)
        report.sent.append(step.command);
    report.ok = writing.outcome == CarrierIdWriteOutcome::Written;
    report.carrierId = CarrierIdOutcome(writing.steps, report.ok, CliResult::kWritten,
                                        PresentHex(carrierIdHex, format));
}
