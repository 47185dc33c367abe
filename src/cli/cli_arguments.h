#pragma once

#include "cli/cli_request.h"

#include <QString>
#include <QStringList>

#include <optional>

// What the command line asked for: a request, the help text, or a usage error.
struct ParsedArguments
{
    std::optional<CliRequest> request; // none with help or an error
    bool help = false;    // --help or -h
    bool version = false; // --version or -V
    QString error; // one line naming what is wrong
};

// Reads the arguments after the program name; options may come before or after the command, and
// an option's value follows it as the next argument or after "=".
ParsedArguments ParseCliArguments(const QStringList& arguments);
