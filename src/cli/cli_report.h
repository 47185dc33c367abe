#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// What one orvane-cli run did, for the text and the JSON output.

enum class OutcomeItem { Page, Uid, CarrierId };

// One outcome: of a page, the UID or the carrier ID. result is one of the words of
// cli/result_kinds.h.
struct Outcome
{
    int page = 0;   // 1..17; 0 for the UID and the carrier ID
    QString data;   // as read or written, in the output format; empty when none
    QString answer; // the reader's kept answer, line ends removed
    QString line;   // the reader's whole answer line, line ends removed
    QString result;
    int waitMs = 0; // no-answer: how long the answer was awaited, in ms
    OutcomeItem item = OutcomeItem::Page;
};

struct CliReport
{
    QString command;
    QString port;
    bool ok = true;             // every step succeeded
    QStringList sent;           // the command lines that went out, without CR, TOR first
    std::vector<Outcome> pages; // in the order they were known: a page verified comes twice
    QString lastStep;           // the label of the last exchange's item: "P8", "RUID"; empty before
    int stopSignal = 0;         // the stop signal that ended the run early; 0 when none did
    std::optional<Outcome> uid;
    std::optional<Outcome> carrierId;
};
