#pragma once

#include <optional>

// The tool's own command-line options, --help and --version. Qt takes its own options (-platform,
// -display, -style, ...) out of argc/argv while it builds the application object; whatever it
// leaves behind is unknown to the tool.

// Prints the usage or the version when argv asks for one, before any window or settings file
// exists. Returns the exit code (0) when the process should end now, nothing when the tool starts.
std::optional<int> AnswerHelpOrVersion(int argc, char** argv);

// Call after Qt has taken out its own options. Returns the exit code (2) after printing the usage
// on standard error when an argument is left, nothing when none is.
std::optional<int> RefuseLeftoverArguments(int argc, char** argv);
