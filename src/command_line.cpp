#include "command_line.h"

#include <cstdio>
#include <string_view>

namespace {

constexpr const char* kUsage =
    "Usage: orvane [--help | --version] [Qt options]\n"
    "Configures read/write transponders through a reader on a serial port. The settings file is\n"
    "Orvane.ini in the current folder.\n"
    "\n"
    "  -h, --help  show this text\n"
    "  --version   show the version\n"
    "\n"
    "Qt's own options (-platform, -display, -style, ...) are passed on to Qt.\n";

} // namespace

std::optional<int> AnswerHelpOrVersion(int argc, char** argv)
{
    for (int index = 1; index < argc; ++index) {
        const std::string_view argument(argv[index]);
        if (argument == "--help" || argument == "-h") {
            std::fputs(kUsage, stdout);
            return 0;
        }
        if (argument == "--version") {
            std::puts("orvane " ORVANE_VERSION_TEXT);
            return 0;
        }
    }
    return std::nullopt;
}

std::optional<int> RefuseLeftoverArguments(int argc, char** argv)
{
    if (argc < 2)
        return std::nullopt;
    std::fprintf(stderr, "orvane: unknown option %s\n%s", argv[1], kUsage);
    return 2;
}
