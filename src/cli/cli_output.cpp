#include "cli/cli_output.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace {

// Results whose line shows the reader's answer.
const QStringList kFailures{QStringLiteral("failed"), QStringLiteral("refused"),
                            QStringLiteral("mismatch")};

QString JoinedLine(const QStringList& parts)
{
    QStringList kept = parts;
    kept.removeAll(QString());
    return kept.join(u' ') + u'\n';
}

// "1234 read" prints as "1234", a failure as "ANSWER failed".
QString ValueLine(const QString& value, const QString& answer, const QString& result,
                  const QString& goodResult)
{
    return result == goodResult ? value + u'\n' : JoinedLine({answer, result});
}

} // namespace

QString ReportText(const CliReport& report)
{
    QString text;
    for (const PageOutcome& page : report.pages) {
        const QString label = QStringLiteral("P%1").arg(page.page);
        if (page.result == QLatin1StringView("read"))
            text += JoinedLine({label, page.data});
        else if (kFailures.contains(page.result))
            text += JoinedLine({label, page.answer, page.result});
        else
            text += JoinedLine({label, page.data, page.result});
    }
    if (report.uid)
        text += ValueLine(*report.uid, *report.uid, report.ok ? QStringLiteral("read")
                                                               : QStringLiteral("failed"),
                          QStringLiteral("read"));
    if (report.carrierId)
        text += ValueLine(*report.carrierId, *report.carrierId, report.carrierIdResult,
                          QStringLiteral("read"));
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
    for (const PageOutcome& page : report.pages) {
        QJsonObject entry;
        entry[QStringLiteral("page")] = page.page;
        entry[QStringLiteral("data")] = page.data;
        entry[QStringLiteral("answer")] = page.answer;
        entry[QStringLiteral("result")] = page.result;
        pages.append(entry);
    }
    root[QStringLiteral("pages")] = pages;
    if (report.uid)
        root[QStringLiteral("uid")] = *report.uid;
    if (report.carrierId) {
        root[QStringLiteral("carrierId")] = *report.carrierId;
        root[QStringLiteral("carrierIdResult")] = report.carrierIdResult;
    }
    return QString::fromUtf8(QJsonDocument(root).toJson(QJsonDocument::Indented));
}
