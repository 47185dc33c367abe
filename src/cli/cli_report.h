#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// What one orvane-cli run did, for the text and the JSON output.

// One page's outcome. result is one of: read, failed, not read, written, refused, not written,
// verified, mismatch, not verified, locked, not locked.
struct PageOutcome
{
    int page = 0;
    QString data;   // the page as read or written, in the output format; empty when none
    QString answer; // the reader's kept answer, line ends removed
    QString result;
};

struct CliReport
{
    QString command;
    QString port;
    bool ok = true;   // every step succeeded
    QStringList sent; // the command lines that went out, without CR, TOR first
    std::vector<PageOutcome> pages;
    std::optional<QString> uid;
    std::optional<QString> carrierId;
    QString carrierIdResult; // read, failed, written, not written, mismatch
};
