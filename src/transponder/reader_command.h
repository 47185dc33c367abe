#pragma once

#include "transponder/exchange_result.h"

#include <QString>

#include <optional>

// One reader command as an exchange needs it: the line to send, the record that echoes it in the
// terminal, how long to wait for the answer, how much of the answer to keep and which answer is a
// good one.
struct ReaderCommand
{
    QString line;                 // the command, ending in CR
    QString echo;                 // echo record ending in CR LF; empty when the command has none
    int waitFactor = 0;           // the wait is this many timeout units
    std::optional<int> keptChars; // characters of the answer kept; none keeps the whole answer
    bool (*isGoodAnswer)(const ExchangeResult&) = nullptr;
    bool asksTimeout = false; // TOR, whose answers are all alike
};

// The timeout query "TOR": no echo record, answer kept whole.
ReaderCommand TimeoutQueryCommand();

// "RD n": reads page n (1..17), keeps 16 characters.
ReaderCommand ReadPageCommand(int page);

// "WD n <data>": writes page n with pageHex (16 hexadecimal digits, sent as given); keeps 3
// characters. The echo is the command text immediately followed by "// Write page n".
ReaderCommand WritePageCommand(int page, const QString& pageHex);

// "LD n": locks page n, keeps 3 characters.
ReaderCommand LockPageCommand(int page);

// "RUID": reads the transponder's UID, keeps 8 characters.
ReaderCommand ReadUidCommand();
