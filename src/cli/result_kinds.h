#pragma once

#include "cli/cli_report.h"

#include <QLatin1StringView>

struct ExchangeResult;

// The result words of orvane-cli, one for each page, the UID or the carrier ID, and the exit
// status they add up to.
namespace CliResult {

// A step that succeeded.
inline constexpr QLatin1StringView kRead{"read"};
inline constexpr QLatin1StringView kWritten{"written"};
inline constexpr QLatin1StringView kLocked{"locked"};
inline constexpr QLatin1StringView kVerified{"verified"};
// A step that failed: the reader answered something other than the good answer, nothing came
// within the wait, the reader found no transponder in its field ("No Read"), the command could not
// be written to the port; a page read back after a write that differs from what was written.
inline constexpr QLatin1StringView kRefused{"refused"};
inline constexpr QLatin1StringView kNoAnswer{"no-answer"};
inline constexpr QLatin1StringView kNoTransponder{"no-transponder"};
inline constexpr QLatin1StringView kNotSent{"not-sent"};
inline constexpr QLatin1StringView kMismatch{"mismatch"};
// A selected page the run never reached because an earlier one failed.
inline constexpr QLatin1StringView kNotRead{"not read"};
inline constexpr QLatin1StringView kNotWritten{"not written"};
inline constexpr QLatin1StringView kNotVerified{"not verified"};
inline constexpr QLatin1StringView kNotLocked{"not locked"};

} // namespace CliResult

// The outcome of a step that the operation's rule did not judge good: data and result filled from
// how its exchange ended (not-sent, no-answer with the wait, no-transponder, refused), with the
// reader's kept answer and whole line, line ends removed.
Outcome FailedOutcome(int page, const ExchangeResult& answer);

// An outcome with the given result and data, and the reader's kept answer and whole line
// without line ends.
Outcome OutcomeWith(int page, QLatin1StringView result, const QString& data,
                    const ExchangeResult& answer);

// The exit status of a run that reached the reader: kCliSuccess when report.ok; kCliNoTransponder
// when the only failures are no-transponder (and the steps they kept from running); otherwise
// kCliStepFailed.
int ExitStatusOf(const CliReport& report);
