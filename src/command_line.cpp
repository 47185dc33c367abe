#include "command_line.h"

#include <algorithm>
#include <cstdio>
#include <span>
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

// The options Qt's application objects take out of the command line, with one dash; Qt also
// takes them with two, and those with a value also as -option=value.
// clang-format off
constexpr std::string_view kQtOptionsWithValue[] = {
    "-platform", "-platformpluginpath", "-platformtheme", "-plugin", "-display", "-session",
    "-style", "-stylesheet", "-qwindowgeometry", "-geometry", "-qwindowtitle", "-title",
    "-qwindowicon", "-icon", "-name", "-visual", "-qmljsdebugger"};
constexpr std::string_view kQtOptionsAlone[] = {
    "-reverse", "-nograb", "-dograb", "-sync", "-widgetcount", "-testability"};
// clang-format on

bool IsOneOf(std::string_view option, std::span<const std::string_view> options)
{
    return std::find(options.begin(), options.end(), option) != options.end();
}

int RefuseArgument(const char* argument)
{
    std::fprintf(stderr, "orvane: unknown option %s\n%s", argument, kUsage);
    return 2;
}

} // namespace

std::optional<int> AnswerCommandLine(int argc, char** argv)
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
        const std::string_view option = argument.starts_with("--") ? argument.substr(1) : argument;
        if (IsOneOf(option, kQtOptionsAlone))
            continue;
        if (IsOneOf(option.substr(0, option.find('=')), kQtOptionsWithValue)) {
            if (option.find('=') == std::string_view::npos)
                ++index;
            continue;
        }
        return RefuseArgument(argv[index]);
    }
    return std::nullopt;
}

std::optional<int> RefuseLeftoverArguments(int argc, char** argv)
{
    if (argc < 2)
        return std::nullopt;
    return RefuseArgument(argv[1]);
}
