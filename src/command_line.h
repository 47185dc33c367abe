#pragma once

#include <optional>

// The tool's own command-line options, --help and --version, and the refusal of arguments that
// are neither these nor Qt's own options (-platform, -display, -style, ...).

// Answers the command line before Qt needs a display: prints the usage or the version when argv
// asks for one, or the usage on standard error for an argument that is neither the tool's nor
// Qt's. Returns the exit code (0, or 2 for such an argument) when the process should end now,
// nothing when the tool starts.
std::optional<int> AnswerCommandLine(int argc, char** argv);

// Call after Qt has taken out its own options. Returns the exit code (2) after printing the usage
// on standard error when an argument is left, nothing when none is.
std::optional<int> RefuseLeftoverArguments(int argc, char** argv);
