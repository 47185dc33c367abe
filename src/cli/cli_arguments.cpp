#include "cli/cli_arguments.h"

#include "cli/page_list.h"
#include "transponder/carrier_id.h"

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr std::array<std::pair<QLatin1StringView, CliCommand>, 6> kCommands{{
    {QLatin1StringView("read"), CliCommand::Read},
    {QLatin1StringView("write"), CliCommand::Write},
    {QLatin1StringView("lock"), CliCommand::Lock},
    {QLatin1StringView("uid"), CliCommand::Uid},
    {QLatin1StringView("carrier-id"), CliCommand::CarrierId},
    {QLatin1StringView("program"), CliCommand::Program},
}};

constexpr std::array<QLatin1StringView, 9> kValueOptions{
    QLatin1StringView("--port"),   QLatin1StringView("--baud"),  QLatin1StringView("--from"),
    QLatin1StringView("--length"), QLatin1StringView("--write"), QLatin1StringView("--out"),
    QLatin1StringView("--lock"),   QLatin1StringView("--log"),   QLatin1StringView("--count")};

// The options that only some commands take; the rest (--port, --baud, --json, --no-uid, --help,
// --version) go with every command.
struct CommandOptions
{
    CliCommand command;
    std::array<QLatin1StringView, 8> options;
};
constexpr std::array<CommandOptions, 6> kCommandOptions{{
    {CliCommand::Read, {QLatin1StringView("--ascii"), QLatin1StringView("--out")}},
    {CliCommand::Write,
     {QLatin1StringView("--ascii"), QLatin1StringView("--from"), QLatin1StringView("--selected"),
      QLatin1StringView("--verify")}},
    {CliCommand::Lock, {QLatin1StringView("--yes")}},
    {CliCommand::Uid, {}},
    {CliCommand::CarrierId,
     {QLatin1StringView("--ascii"), QLatin1StringView("--length"), QLatin1StringView("--write")}},
    {CliCommand::Program,
     {QLatin1StringView("--from"), QLatin1StringView("--selected"), QLatin1StringView("--verify"),
      QLatin1StringView("--yes"), QLatin1StringView("--lock"), QLatin1StringView("--log"),
      QLatin1StringView("--count"), QLatin1StringView("--again")}},
}};
constexpr std::array<QLatin1StringView, 12> kCommandOnlyOptions{
    QLatin1StringView("--ascii"),    QLatin1StringView("--out"),    QLatin1StringView("--from"),
    QLatin1StringView("--selected"), QLatin1StringView("--verify"), QLatin1StringView("--yes"),
    QLatin1StringView("--length"),   QLatin1StringView("--write"),  QLatin1StringView("--lock"),
    QLatin1StringView("--log"),      QLatin1StringView("--count"),  QLatin1StringView("--again")};

// The first of the options given that the command does not take; empty when all apply (always
// for a command without a row above).
QString OptionNotApplying(CliCommand command, const QStringList& given)
{
    const auto row = std::ranges::find(kCommandOptions, command, &CommandOptions::command);
    if (row == kCommandOptions.end())
        return {};
    const auto& taken = row->options;
    for (const QString& option : given) {
        if (std::ranges::find(kCommandOnlyOptions, option) != kCommandOnlyOptions.end() &&
            std::ranges::find(taken, option) == taken.end())
            return option;
    }
    return {};
}

std::optional<int> PositiveNumber(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    return ok && value > 0 && !text.startsWith(u'+') ? std::optional<int>(value) : std::nullopt;
}

// Applies one option; returns an error line or an empty text.
QString ApplyOption(CliRequest& request, bool& help, bool& version, const QString& name,
                    const QString& value)
{
    if (name == QLatin1StringView("--help") || name == QLatin1StringView("-h"))
        help = true;
    else if (name == QLatin1StringView("--version") || name == QLatin1StringView("-V"))
        version = true;
    else if (name == QLatin1StringView("--no-uid"))
        request.uidFirst = false;
    else if (name == QLatin1StringView("--ascii"))
        request.format = DisplayFormat::Ascii;
    else if (name == QLatin1StringView("--json"))
        request.json = true;
    else if (name == QLatin1StringView("--selected"))
        request.selectedOnly = true;
    else if (name == QLatin1StringView("--verify"))
        request.verify = true;
    else if (name == QLatin1StringView("--yes"))
        request.confirmed = true;
    else if (name == QLatin1StringView("--port"))
        request.port = value;
    else if (name == QLatin1StringView("--from"))
        request.fromFile = value;
    else if (name == QLatin1StringView("--out"))
        request.outFile = value;
    else if (name == QLatin1StringView("--write"))
        request.carrierIdToWrite = value;
    else if (name == QLatin1StringView("--baud")) {
        request.baudRate = PositiveNumber(value);
        if (!request.baudRate)
            return QStringLiteral("--baud needs a positive number, not \"%1\"").arg(value);
    } else if (name == QLatin1StringView("--length")) {
        const std::optional<int> length = PositiveNumber(value);
        if (!length || *length > kMaxCarrierIdLength)
            return QStringLiteral("--length needs a number from 1 to 16, not \"%1\"").arg(value);
        request.carrierIdLength = length;
    } else if (name == QLatin1StringView("--lock")) {
        request.lockPages = ParsePageList(value);
        if (!request.lockPages)
            return QStringLiteral("--lock: \"%1\" names no pages (use 3, 1-4, 1,3,17 or all)")
                .arg(value);
    } else if (name == QLatin1StringView("--log"))
        request.logFile = value;
    else if (name == QLatin1StringView("--count")) {
        request.count = PositiveNumber(value);
        if (!request.count)
            return QStringLiteral("--count needs a positive number, not \"%1\"").arg(value);
    } else if (name == QLatin1StringView("--again"))
        request.again = true;
    else
        return QStringLiteral("unknown option %1").arg(name);
    return {};
}

// Takes the command's own arguments: PAGES for read and lock, Pn=DATA for write.
QString ApplyOperands(CliRequest& request, const QStringList& operands)
{
    const bool takesPages =
        request.command == CliCommand::Read || request.command == CliCommand::Lock;
    if (request.command == CliCommand::Write) {
        request.assignments = operands;
        return {};
    }
    if (!takesPages && !operands.isEmpty())
        return QStringLiteral("unexpected argument \"%1\"").arg(operands.front());
    if (operands.size() > 1)
        return QStringLiteral("unexpected argument \"%1\"").arg(operands[1]);
    if (request.command == CliCommand::Lock && operands.isEmpty())
        return QStringLiteral("lock needs the pages to lock");
    const std::optional<PageSelection> pages =
        ParsePageList(operands.isEmpty() ? QStringLiteral("all") : operands.front());
    if (!pages)
        return QStringLiteral("\"%1\" names no pages (pages run from 1 to 17: use 3, 1-4, 1,3,17 "
                              "or all)")
            .arg(operands.front());
    request.pages = *pages;
    return {};
}

} // namespace

ParsedArguments ParseCliArguments(const QStringList& arguments)
{
    ParsedArguments parsed;
    CliRequest request;
    std::optional<CliCommand> command;
    QString commandName;
    QStringList operands;
    QStringList optionsGiven;
    for (qsizetype index = 0; index < arguments.size(); ++index) {
        const QString& argument = arguments[index];
        const bool shortOption =
            argument == QLatin1StringView("-h") || argument == QLatin1StringView("-V");
        if (!argument.startsWith(QLatin1StringView("--")) && !shortOption) {
            if (command) {
                operands.append(argument);
                continue;
            }
            for (const auto& [name, value] : kCommands) {
                if (argument == name)
                    command = value;
            }
            commandName = argument;
            if (!command) {
                parsed.error = QStringLiteral("unknown command \"%1\"").arg(argument);
                return parsed;
            }
            continue;
        }
        QString name = argument.section(u'=', 0, 0);
        QString value;
        const bool takesValue =
            std::find(kValueOptions.begin(), kValueOptions.end(), name) != kValueOptions.end();
        if (argument.contains(u'=')) {
            value = argument.section(u'=', 1);
        } else if (takesValue) {
            if (++index >= arguments.size()) {
                parsed.error = QStringLiteral("%1 needs a value").arg(name);
                return parsed;
            }
            value = arguments[index];
        }
        optionsGiven.append(name);
        parsed.error = ApplyOption(request, parsed.help, parsed.version, name, value);
        if (!parsed.error.isEmpty())
            return parsed;
    }
    if (parsed.help || parsed.version)
        return parsed;
    if (!command) {
        parsed.error = QStringLiteral("no command given");
        return parsed;
    }
    request.command = *command;
    request.commandName = commandName;
    if (const QString option = OptionNotApplying(*command, optionsGiven); !option.isEmpty()) {
        parsed.error = QStringLiteral("%1 does not apply to %2").arg(option, commandName);
        return parsed;
    }
    parsed.error = ApplyOperands(request, operands);
    if (parsed.error.isEmpty())
        parsed.request = request;
    return parsed;
}
