#include "cli/cli_output.h"

#include "cli/cli_run.h"
#include "cli/result_kinds.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <utility>
#include <vector>

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

// "P1-P8", "P3", "P1,P3-P5": pages in ascending order as ranges.
QString PageRanges(const std::vector<int>& pages)
{
    QStringList ranges;
    for (std::size_t first = 0; first < pages.size();) {
        std::size_t last = first;
        while (last + 1 < pages.size() && pages[last + 1] == pages[last] + 1)
            ++last;
        ranges.append(last == first ? QStringLiteral("P%1").arg(pages[first])
                                    : QStringLiteral("P%1-P%2").arg(pages[first]).arg(pages[last]));
        first = last + 1;
    }
    return ranges.join(u',');
}

QString Compact(const QJsonObject& object)
{
    return QString::fromUtf8(QJsonDocument(object).toJson(QJsonDocument::Compact)) + u'\n';
}

// The text with every character outside printable ASCII as \xNN, so a line shows what the page
// holds.
QString Printable(const QString& text)
{
    QString shown;
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() < 0x7F)
            shown += c;
        else
            shown += QStringLiteral("\\x") +
                     QString::number(c.unicode(), 16).toUpper().rightJustified(2, u'0');
    }
    return shown;
}

} // namespace

QString OutcomeText(const Outcome& outcome, bool labelUid)
{
    QString label;
    if (outcome.item == OutcomeItem::Page)
        label = QStringLiteral("P%1").arg(outcome.page);
    else if (outcome.item == OutcomeItem::Uid && labelUid)
        label = QStringLiteral("UID");
    Outcome shown = outcome;
    shown.data = Printable(outcome.data);
    return OutcomeLine(label, shown);
}

QString OutcomeJsonLine(const Outcome& outcome)
{
    QJsonObject entry = OutcomeJson(outcome);
    constexpr QLatin1StringView kItemNames[] = {QLatin1StringView("page"), QLatin1StringView("uid"),
                                                QLatin1StringView("carrierId")};
    entry[QStringLiteral("item")] = kItemNames[static_cast<int>(outcome.item)];
    return Compact(entry);
}

QString InterruptedText(const CliReport& report)
{
    std::vector<std::pair<QString, std::vector<int>>> groups;
    for (const Outcome& page : report.pages) {
        auto group =
            std::ranges::find_if(groups, [&](const auto& g) { return g.first == page.result; });
        if (group == groups.end())
            group = groups.insert(groups.end(), {page.result, {}});
        group->second.push_back(page.page);
    }
    QStringList parts;
    for (auto& [result, pages] : groups) {
        std::ranges::sort(pages);
        parts.append(PageRanges(pages) + u' ' + result);
    }
    const QString after = report.lastStep.isEmpty()
                              ? QStringLiteral("interrupted before any command")
                              : QStringLiteral("interrupted after %1").arg(report.lastStep);
    return parts.isEmpty() ? after
                           : after + QStringLiteral(": ") + parts.join(QStringLiteral(", "));
}

QString SummaryJsonLine(const CliReport& report, int status)
{
    QJsonObject root;
    root[QStringLiteral("command")] = report.command;
    root[QStringLiteral("port")] = report.port;
    root[QStringLiteral("ok")] = report.ok;
    root[QStringLiteral("sent")] = QJsonArray::fromStringList(report.sent);
    root[QStringLiteral("status")] = status;
    if (report.stopSignal != 0) {
        root[QStringLiteral("signal")] = report.stopSignal;
        root[QStringLiteral("interrupted")] = InterruptedText(report);
    }
    return Compact(root);
}

QString ErrorJsonLine(int status, const QString& message)
{
    QJsonObject error;
    error[QStringLiteral("error")] = status == kCliUsageError      ? QStringLiteral("usage")
                                     : status == kCliPortNotOpened ? QStringLiteral("port")
                                                                   : QStringLiteral("file");
    error[QStringLiteral("message")] = message;
    return Compact(error);
}
