#include "cli/cli_output.h"

#include "cli/result_kinds.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

QString JoinedLine(QStringList parts)
{
    parts.removeAll(QString());
    return parts.join(u' ') + u'\n';
}

// One outcome's line, after label (empty for the UID and the carrier ID).
QString OutcomeLine(const QString& label, const Outcome& outcome)
{
    const QString& result = outcome.result;
    if (result == CliResult::kRead)
        return JoinedLine({label, outcome.data});
    if (result == CliResult::kNoAnswer)
        return JoinedLine({label, result, QStringLiteral("within %1 ms").arg(outcome.waitMs)});
    if (result == CliResult::kRefused || result == CliResult::kNoTransponder ||
        result == CliResult::kMismatch)
        return JoinedLine({label, outcome.line, result});
    return JoinedLine({label, outcome.data, result});
}

QJsonObject OutcomeJson(const Outcome& outcome)
{
    QJsonObject entry;
    if (outcome.page != 0)
        entry[QStringLiteral("page")] = outcome.page;
    entry[QStringLiteral("data")] = outcome.data;
    entry[QStringLiteral("answer")] = outcome.answer;
    entry[QStringLiteral("line")] = outcome.line;
    entry[QStringLiteral("result")] = outcome.result;
    if (outcome.result == CliResult::kNoAnswer)
        entry[QStringLiteral("waitMs")] = outcome.waitMs;
    return entry;
}

} // namespace

QString ReportText(const CliReport& report)
{
    QString text;
    for (const Outcome& page : report.pages)
        text += OutcomeLine(QStringLiteral("P%1").arg(page.page), page);
    for (const std::optional<Outcome>& value : {report.uid, report.carrierId}) {
        if (value)
            text += OutcomeLine(QString(), *value);
    }
    return text;
}

QString ReportJson(const CliReport& report)
{
    QJsonObject root;
    root[QStringLiteral("command")] = report.command;
    root[QStringLiteral("port")] = report.port;
    root[QStringLiteral("ok")] = report.ok;
    root[QStringLiteral("sent")] = QJsonArray::fromStringList(report.sent);
    QJsonArray pages;
    for (const Outcome& page : report.pages)
        pages.append(OutcomeJson(page));
    root[QStringLiteral("pages")] = pages;
    if (report.uid)
        root[QStringLiteral("uid")] = OutcomeJson(*report.uid);
    if (report.carrierId)
        root[QStringLiteral("carrierId")] = OutcomeJson(*report.carrierId);
    return QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented));
}
