#include "cli/result_kinds.h"

#include "cli/cli_run.h"
#include "transponder/answers.h"

namespace {

QLatin1StringView FailureOf(const ExchangeResult& answer)
{
    switch (answer.end) {
    case ExchangeEnd::NotSent:
    case ExchangeEnd::Stopped: // the command line stops between commands, never inside an exchange
        return CliResult::kNotSent;
    case ExchangeEnd::NoAnswer:
        return CliResult::kNoAnswer;
    case ExchangeEnd::Answered:
        break;
    }
    return SaysNoTransponder(answer.whole) ? CliResult::kNoTransponder : CliResult::kRefused;
}

bool IsFailure(const QString& result)
{
    return result == CliResult::kRefused || result == CliResult::kNoAnswer ||
           result == CliResult::kNotSent || result == CliResult::kMismatch;
}

} // namespace

Outcome FailedOutcome(int page, const ExchangeResult& answer)
{
    Outcome outcome = OutcomeWith(page, FailureOf(answer), QString(), answer);
    if (answer.end == ExchangeEnd::NoAnswer)
        outcome.waitMs = static_cast<int>(answer.wait.count());
    return outcome;
}

Outcome OutcomeWith(int page, QLatin1StringView result, const QString& data,
                    const ExchangeResult& answer)
{
    return {page, data, WithoutLineEnds(answer.kept), WithoutLineEnds(answer.whole), result, 0};
}

int ExitStatusOf(const CliReport& report)
{
    if (report.ok)
        return kCliSuccess;
    bool noTransponder = false;
    std::vector<Outcome> all = report.pages;
    for (const std::optional<Outcome>& value : {report.uid, report.carrierId}) {
        if (value)
            all.push_back(*value);
    }
    for (const Outcome& outcome : all) {
        if (IsFailure(outcome.result))
            return kCliStepFailed;
        noTransponder = noTransponder || outcome.result == CliResult::kNoTransponder;
    }
    return noTransponder ? kCliNoTransponder : kCliStepFailed;
}
