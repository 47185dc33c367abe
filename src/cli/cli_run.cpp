#include "cli/cli_run.h"

#include "cli/cli_arguments.h"
#include "cli/cli_output.h"
#include "cli/cli_usage.h"
#include "cli/page_image_file.h"
#include "cli/program_run.h"
#include "cli/reader_commands.h"
#include "cli/result_kinds.h"
#include "cli/stop_signals.h"
#include "cli/write_data.h"
#include "serial/link_error_reporter.h"
#include "serial/serial_link.h"
#include "settings/settings_keys.h"
#include "settings/stored_settings.h"
#include "transponder/exchange.h"
#include "transponder/carrier_id.h"

#include <QDir>

namespace {

// Failures as error lines; with --json, a failure that ends the run is also one JSON object
// ({"error": kind, "message": text}) on the output.
class ErrorLines : public LinkErrorReporter
{
public:
    ErrorLines(QTextStream& err, QTextStream* json) : err(err), json(json) {}
    void ShowLinkError(const QString& text) override { Line(text); }
    void Line(const QString& text)
    {
        err << "orvane-cli: " << text << '\n' << Qt::flush;
        said.append(text);
    }
    // Ends the run with status: text (or what was said before it) as the error. Returns status.
    int Fail(int status, const QString& text = {})
    {
        if (!text.isEmpty())
            Line(text);
        if (json)
            *json << ErrorJsonLine(status, said.join(u'\n')) << Qt::flush;
        return status;
    }

private:
    QTextStream& err;
    QTextStream* json;
    QStringList said;
};

// What a run sends, checked before the port opens.
struct Plan
{
    std::vector<PageText> pagesHex;
    QString carrierIdHex;
    int carrierIdLength = kMinCarrierIdLength;
};

// Returns an error line when the request cannot be sent as it stands.
QString MakePlan(const CliRequest& request, const StoredSettings& settings, Plan& plan)
{
    const bool writesCarrierId = request.carrierIdToWrite.has_value();
    if ((request.command == CliCommand::Lock || request.lockPages) && !request.confirmed)
        return QStringLiteral("locking cannot be undone; add --yes to lock");
    if (request.command == CliCommand::Program && request.fromFile.isEmpty())
        return QStringLiteral("program needs --from IMAGE");
    if (request.command == CliCommand::Write || request.command == CliCommand::Program) {
        const WriteData data = PrepareWriteData(request);
        plan.pagesHex = data.pagesHex;
        return data.error;
    }
    if (request.command != CliCommand::CarrierId)
        return {};
    if (writesCarrierId && !request.carrierIdLength)
        return QStringLiteral("carrier-id --write needs --length");
    plan.carrierIdLength =
        ClampCarrierIdLength(request.carrierIdLength.value_or(settings.carrierIdLength));
    if (!writesCarrierId)
        return {};
    const CarrierIdData data =
        PrepareCarrierIdData(*request.carrierIdToWrite, request.format, plan.carrierIdLength);
    plan.carrierIdHex = data.hex;
    return data.error;
}

void Run(SerialLink& link, const CliRequest& request, const Plan& plan, const CommandHooks& hooks,
         CliReport& report)
{
    switch (request.command) {
    case CliCommand::Read:
        RunRead(link, request, hooks, report);
        break;
    case CliCommand::Write:
        RunWrite(link, plan.pagesHex, request.verify, request.format, hooks, report);
        break;
    case CliCommand::Lock:
        RunLock(link, request.pages, hooks, report);
        break;
    case CliCommand::Uid:
        RunReadUid(link, hooks, report);
        break;
    case CliCommand::Program: // run by RunProgram
        break;
    case CliCommand::CarrierId:
        if (request.carrierIdToWrite)
            RunWriteCarrierId(link, plan.carrierIdHex, plan.carrierIdLength, request.format, hooks,
                              report);
        else
            RunReadCarrierId(link, plan.carrierIdLength, request.format, hooks, report);
        break;
    }
}

// The pages a read got right, in HEX, for --out.
std::vector<PageText> PagesRead(const CliReport& report, DisplayFormat format)
{
    std::vector<PageText> pages;
    for (const Outcome& page : report.pages) {
        if (page.result == CliResult::kRead)
            pages.push_back({page.page, HexFormOf(page.data, format)});
    }
    return pages;
}

} // namespace

int RunCli(const QStringList& arguments, QTextStream& out, QTextStream& err, bool showProgress)
{
    const CaughtStopSignals caught;
    // Decided before the arguments are read, so that a usage error comes as JSON too.
    ErrorLines errors(err, arguments.contains(QLatin1StringView("--json")) ? &out : nullptr);
    const ParsedArguments parsed = ParseCliArguments(arguments);
    if (parsed.help) {
        out << kCliUsage << Qt::flush;
        return kCliSuccess;
    }
    if (parsed.version) {
        out << "orvane-cli " ORVANE_VERSION_TEXT "\n" << Qt::flush;
        return kCliSuccess;
    }
    if (!parsed.request)
        return errors.Fail(kCliUsageError,
                           parsed.error + QStringLiteral(" (see orvane-cli --help)"));
    const CliRequest& request = *parsed.request;
    const StoredSettings settings =
        ReadStoredSettings(QDir::current().filePath(SettingsKey::kFileName));
    Plan plan;
    const QString planError = MakePlan(request, settings, plan);
    if (!planError.isEmpty())
        return errors.Fail(kCliUsageError, planError);

    SerialLink link;
    link.portName = request.port.value_or(settings.portName);
    if (link.portName.isEmpty())
        return errors.Fail(kCliUsageError,
                           QStringLiteral("no port: give --port or set Port in [Interface] of ./%1")
                               .arg(SettingsKey::kFileName));
    link.baudRate = request.baudRate.value_or(settings.baudRate);
    if (link.baudRate == 0)
        return errors.Fail(
            kCliUsageError,
            QStringLiteral("no baud rate: give --baud or set Baudrate in [Interface] of ./%1")
                .arg(SettingsKey::kFileName));
    link.ConnectPort(errors);
    if (!link.connected)
        return errors.Fail(kCliPortNotOpened);
    if (request.command == CliCommand::Program) {
        const int status = RunProgram(link, request, plan.pagesHex, out, err);
        AwaitOwedAnswers(link);
        link.ClosePort(errors);
        return status;
    }

    // With the image on stdout, the results go to stderr.
    const bool imageToStdout = request.outFile == QLatin1StringView("-");
    QTextStream& results = imageToStdout ? err : out;
    CliReport report;
    report.command = request.commandName;
    report.port = link.portName;
    CommandHooks hooks;
    hooks.uidFirst = request.uidFirst && request.command != CliCommand::Uid;
    hooks.progress = [&](int page) {
        if (showProgress)
            err << QStringLiteral("\rP%1 ...").arg(page) << Qt::flush;
    };
    hooks.outcome = [&](const Outcome& outcome) {
        if (showProgress)
            err << "\r\x1b[K" << Qt::flush;
        results << (request.json ? OutcomeJsonLine(outcome) : OutcomeText(outcome, hooks.uidFirst))
                << Qt::flush;
    };
    hooks.stopRequested = [] { return StopSignalReceived() != 0; };
    Run(link, request, plan, hooks, report);
    AwaitOwedAnswers(link);
    link.ClosePort(errors);
    if (showProgress)
        err << "\r\x1b[K" << Qt::flush;

    report.stopSignal = StopSignalReceived();
    int status = ExitStatusOf(report);
    if (report.stopSignal != 0) {
        report.ok = false;
        status = 128 + report.stopSignal;
    } else if (!request.outFile.isEmpty() && !report.ok) {
        // Whole or nothing: a read that failed part-way leaves the file as it was.
        errors.Line(
            QStringLiteral("%1 left as it was: not every page was read").arg(request.outFile));
    } else if (!request.outFile.isEmpty()) {
        const std::vector<PageText> pages = PagesRead(report, request.format);
        const QString failure =
            imageToStdout ? WritePageImage(out, pages) : SavePageImage(request.outFile, pages);
        if (!failure.isEmpty()) {
            report.ok = false;
            status = errors.Fail(kCliStepFailed, failure);
        }
    }
    if (request.json)
        results << SummaryJsonLine(report, status) << Qt::flush;
    else if (report.stopSignal != 0)
        results << InterruptedText(report) << '\n' << Qt::flush;
    return status;
}
