#include "cli/program_run.h"

#include "cli/audit_log.h"
#include "cli/cli_run.h"
#include "cli/reader_commands.h"
#include "cli/result_kinds.h"
#include "cli/stop_signals.h"
#include "cli/tag_presence.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>

#include <algorithm>
#include <optional>

namespace {

constexpr int kSignalStatusBase = 128;

// The result words of a tag in the log and in its line.
namespace TagResult {
inline constexpr QLatin1StringView kProgrammed{"programmed"};
inline constexpr QLatin1StringView kFailed{"failed"};
inline constexpr QLatin1StringView kInterrupted{"interrupted"};
} // namespace TagResult

// What programming one tag did.
struct TagRecord
{
    QString uid;
    QJsonArray pagesWritten;
    bool verified = false;
    bool locked = false;
    QLatin1StringView result = TagResult::kProgrammed;
    QString detail;
};

// The first outcome that is not good; nothing when all are.
std::optional<Outcome> FirstFailed(const CliReport& report)
{
    const auto failed = std::ranges::find_if(report.pages, [](const Outcome& outcome) {
        return outcome.result != CliResult::kWritten && outcome.result != CliResult::kVerified &&
               outcome.result != CliResult::kLocked;
    });
    return failed == report.pages.end() ? std::nullopt : std::optional<Outcome>(*failed);
}

// A page the run never reached: it ended before it, here because a stop was requested.
bool IsUntried(const Outcome& outcome)
{
    return outcome.result == CliResult::kNotWritten || outcome.result == CliResult::kNotVerified ||
           outcome.result == CliResult::kNotLocked;
}

// "P7 no-transponder (No Read)"
QString FailureText(const Outcome& outcome)
{
    const QString text = QStringLiteral("P%1 %2").arg(outcome.page).arg(outcome.result);
    return outcome.line.isEmpty() ? text : text + QStringLiteral(" (%1)").arg(outcome.line);
}

TagRecord ProgramTag(SerialLink& link, const CliRequest& request,
                     const std::vector<PageText>& pagesHex, const QString& uid)
{
    TagRecord record;
    record.uid = uid;
    CliReport report;
    CommandHooks hooks;
    hooks.stopRequested = [] { return StopSignalReceived() != 0; };
    RunWrite(link, pagesHex, request.verify, DisplayFormat::Hex, hooks, report);
    // A read-back runs only once every page was acknowledged.
    const bool readBack = std::ranges::any_of(report.sent, [](const QString& command) {
        return command.startsWith(QLatin1StringView("RD "));
    });
    // Each acknowledged page has its "written" outcome, before any read-back outcome.
    for (const Outcome& outcome : report.pages) {
        if (outcome.result == CliResult::kWritten)
            record.pagesWritten.append(outcome.page);
    }
    record.verified = request.verify && report.ok && readBack;
    if (report.ok && request.lockPages && StopSignalReceived() == 0) {
        RunLock(link, *request.lockPages, hooks, report);
        record.locked = report.ok;
    }
    const QString written = QStringLiteral("%1 of %2 pages written")
                                .arg(record.pagesWritten.size())
                                .arg(pagesHex.size());
    if (report.ok) {
        record.detail = written + (record.verified ? QStringLiteral(", verified") : QString()) +
                        (record.locked ? QStringLiteral(", locked") : QString());
        return record;
    }
    const std::optional<Outcome> failed = FirstFailed(report);
    const bool interrupted = StopSignalReceived() != 0 && (!failed || IsUntried(*failed));
    record.result = interrupted ? TagResult::kInterrupted : TagResult::kFailed;
    record.detail = (interrupted ? QStringLiteral("stopped by signal %1").arg(StopSignalReceived())
                     : failed    ? FailureText(*failed)
                                 : QStringLiteral("failed")) +
                    QStringLiteral("; ") + written;
    return record;
}

QJsonObject LogEntry(const TagRecord& record)
{
    return {{"time", QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs)},
            {"uid", record.uid},
            {"pages", record.pagesWritten},
            {"verified", record.verified},
            {"locked", record.locked},
            {"result", QString(record.result)},
            {"detail", record.detail}};
}

} // namespace

int RunProgram(SerialLink& link, const CliRequest& request, const std::vector<PageText>& pagesHex,
               QTextStream& out, QTextStream& err)
{
    AuditLog log;
    QSet<QString> done;
    if (!request.logFile.isEmpty()) {
        const QString error = log.Open(request.logFile);
        if (!error.isEmpty()) {
            err << "orvane-cli: " << error << '\n' << Qt::flush;
            return kCliUsageError;
        }
        done = log.UidsWithResult(TagResult::kProgrammed);
    }
    TagPresence field(link);
    int tags = 0;
    bool allProgrammed = true;
    while (!request.count || tags < *request.count) {
        const std::optional<QString> uid = field.WaitForTag();
        if (!uid)
            break;
        if (done.contains(*uid) && !request.again) {
            out << *uid << " skipped: already programmed (--again programs it again)\n"
                << Qt::flush;
        } else {
            const TagRecord record = ProgramTag(link, request, pagesHex, *uid);
            if (!request.logFile.isEmpty()) {
                const QString error = log.Append(LogEntry(record));
                if (!error.isEmpty()) {
                    err << "orvane-cli: " << error << '\n' << Qt::flush;
                    return kCliStepFailed;
                }
            }
            out << *uid << ' ' << record.result << ": " << record.detail << '\n' << Qt::flush;
            ++tags;
            allProgrammed = allProgrammed && record.result == TagResult::kProgrammed;
            if (record.result == TagResult::kProgrammed)
                done.insert(*uid);
            if (request.count && tags == *request.count)
                break;
        }
        if (!field.WaitUntilGone(*uid))
            break;
    }
    if (StopSignalReceived() != 0) {
        out << QStringLiteral("stopped by signal %1 after %2 tags\n")
                   .arg(StopSignalReceived())
                   .arg(tags)
            << Qt::flush;
        return kSignalStatusBase + StopSignalReceived();
    }
    return allProgrammed ? kCliSuccess : kCliStepFailed;
}
