#include "cli/cli_run.h"

#include "cli/cli_arguments.h"
#include "cli/cli_output.h"
#include "cli/cli_usage.h"
#include "cli/page_image_file.h"
#include "cli/program_run.h"
#include "cli/reader_commands.h"
#include "cli/result_kinds.h"
#include "cli/write_data.h"
#include "platform/number_parsing.h"
#include "platform/profile_file.h"
#include "serial/link_error_reporter.h"
#include "serial/serial_link.h"
#include "transponder/carrier_id_length.h"
#include "transponder/settings_keys.h"

#include <QDir>

using namespace SettingsKey;

namespace {

// Link failures as error lines.
class ErrorLines : public LinkErrorReporter
{
public:
    explicit ErrorLines(QTextStream& err) : err(err) {}
    void ShowLinkError(const QString& text) override { Line(text); }
    void Line(const QString& text) { err << "orvane-cli: " << text << '\n' << Qt::flush; }

private:
    QTextStream& err;
};

// What a run sends, checked before the port opens.
struct Plan
{
    std::vector<PageText> pagesHex;
    QString carrierIdHex;
    int carrierIdLength = kMinCarrierIdLength;
};

// Returns an error line when the request cannot be sent as it stands.
QString MakePlan(const CliRequest& request, const ProfileFile& settings, Plan& plan)
{
    const bool writesCarrierId = request.carrierIdToWrite.has_value();
    if (!request.outFile.isEmpty() && request.command != CliCommand::Read)
        return QStringLiteral("--out goes with read only");
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
    plan.carrierIdLength = ClampCarrierIdLength(request.carrierIdLength.value_or(
        ParseLeadingInt32(settings.Read(kDataSection, kCarrierIdLength))));
    if (!writesCarrierId)
        return {};
    const CarrierIdData data =
        PrepareCarrierIdData(*request.carrierIdToWrite, request.format, plan.carrierIdLength);
    plan.carrierIdHex = data.hex;
    return data.error;
}

void Run(SerialLink& link, const CliRequest& request, const Plan& plan, const Progress& progress,
         CliReport& report)
{
    switch (request.command) {
    case CliCommand::Read:
        RunRead(link, request, progress, report);
        break;
    case CliCommand::Write:
        RunWrite(link, plan.pagesHex, request.verify, request.format, progress, report);
        break;
    case CliCommand::Lock:
        RunLock(link, request.pages, progress, report);
        break;
    case CliCommand::Uid:
        RunReadUid(link, report);
        break;
    case CliCommand::Program: // run by RunProgram
        break;
    case CliCommand::CarrierId:
        if (request.carrierIdToWrite)
            RunWriteCarrierId(link, plan.carrierIdHex, plan.carrierIdLength, request.format,
                              report);
        else
            RunReadCarrierId(link, plan.carrierIdLength, request.format, report);
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
    ErrorLines errors(err);
    const ParsedArguments parsed = ParseCliArguments(arguments);
    if (parsed.help) {
        out << kCliUsage << Qt::flush;
        return kCliSuccess;
    }
    if (!parsed.request) {
        errors.Line(parsed.error + QStringLiteral(" (see orvane-cli --help)"));
        return kCliUsageError;
    }
    const CliRequest& request = *parsed.request;
    const ProfileFile settings(QDir::current().filePath(kFileName));
    Plan plan;
    const QString planError = MakePlan(request, settings, plan);
    if (!planError.isEmpty()) {
        errors.Line(planError);
        return kCliUsageError;
    }

    SerialLink link;
    link.portName = request.port.value_or(settings.Read(kInterfaceSection, kPort));
    const QString baudSetting = settings.Read(kInterfaceSection, kBaudrate);
    link.baudRate = request.baudRate.value_or(
        baudSetting.isEmpty() ? link.baudRate : ParseLeadingInt32(baudSetting));
    link.ConnectPort(errors);
    if (!link.connected)
        return kCliPortNotOpened;
    if (request.command == CliCommand::Program) {
        const int status = RunProgram(link, request, plan.pagesHex, out, err);
        link.ClosePort(errors);
        return status;
    }

    CliReport report;
    report.command = request.commandName;
    report.port = link.portName;
    const Progress progress = [&](int page) {
        if (showProgress)
            err << QStringLiteral("\rP%1 ...").arg(page) << Qt::flush;
    };
    Run(link, request, plan, progress, report);
    link.ClosePort(errors);
    if (showProgress)
        err << "\r\x1b[K" << Qt::flush;

    int status = ExitStatusOf(report);
    if (!request.outFile.isEmpty() &&
        !SavePageImage(request.outFile, PagesRead(report, request.format))) {
        errors.Line(QStringLiteral("%1 could not be written").arg(request.outFile));
        report.ok = false;
        status = kCliStepFailed;
    }
    out << (request.json ? ReportJson(report) : ReportText(report)) << Qt::flush;
    return status;
}
