#pragma once

#include <QStringList>
#include <QTextStream>

// Exit statuses of orvane-cli.
enum CliExitStatus : int {
    kCliSuccess = 0,
    kCliStepFailed = 1,
    kCliUsageError = 2,
    kCliPortNotOpened = 3,
    kCliNoTransponder = 4, // the reader found no transponder, and nothing else failed
};

// Runs orvane-cli with arguments (without the program name) in the current folder: the report
// goes to out, errors to err one line each, and a progress line to err when showProgress.
// Returns the exit status.
int RunCli(const QStringList& arguments, QTextStream& out, QTextStream& err, bool showProgress);
