#pragma once

#include "transponder/display_format.h"
#include "transponder/operation_runs.h"

#include <QString>
#include <QStringList>

#include <optional>

enum class CliCommand { Read, Write, Lock, Uid, CarrierId, Program };

// One run of orvane-cli as its arguments ask for it, before anything is checked against a file
// or sent.
struct CliRequest
{
    CliCommand command = CliCommand::Read;
    QString commandName;            // as typed: "read", "carrier-id" ...
    PageSelection pages{};          // read and lock
    QStringList assignments;        // write: "P3=0123456789ABCDEF" ...
    QString fromFile;               // write --from
    bool selectedOnly = false;      // write --selected
    bool verify = false;            // write --verify
    bool confirmed = false;         // lock --yes
    std::optional<int> carrierIdLength;
    std::optional<QString> carrierIdToWrite;
    DisplayFormat format = DisplayFormat::Hex; // --ascii
    bool json = false;
    bool uidFirst = true;           // read, write, lock, carrier-id: RUID first (--no-uid: not)
    QString outFile;                // read --out
    std::optional<QString> port;
    std::optional<int> baudRate;
    std::optional<PageSelection> lockPages; // program --lock
    QString logFile;                        // program --log
    std::optional<int> count;               // program --count
    bool again = false;                     // program --again
    // program takes --from, --selected, --verify and --yes as write and lock do.
};
