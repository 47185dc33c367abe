// orvane-reader-sim: serves the emulated reader on a pseudo-terminal until SIGINT or SIGTERM.

#include "reader-sim/pty_reader_server.h"

#include <charconv>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <optional>
#include <string_view>

namespace {

constexpr const char* kUsage =
    "Usage: orvane-reader-sim [options]\n"
    "Serves an emulated transponder reader on a pseudo-terminal and prints the device path.\n"
    "\n"
    "  --help               show this text\n"
    "  --link PATH          also place a symlink to the device at PATH\n"
    "  --latency-ms N       wait N ms before every answer\n"
    "  --baud N             send answers paced at N bits per second\n"
    "  --tor N              answer TOR with N (default 10)\n"
    "  --uid TEXT           the transponder's UID (8 characters)\n"
    "  --no-transponder     answer \"No Read\"\n"
    "  --error-09           answer RD and RUID with \"#09\"\n"
    "  --bad-uid            answer RUID with \"XXXXXXXX\"\n"
    "  --silent             never answer\n"
    "  --slow-ms N          slow answers: wait N ms more before each\n"
    "  --slow-commands LIST only the answers to these commands are slow (with --slow-ms;\n"
    "                       LIST is TOR, RD, WD, LD or RUID, comma-separated: RD,TOR)\n"
    "  --crlf               end answers with CR LF\n"
    "  --unsolicited TEXT   send TEXT as an extra line before every answer\n"
    "  --noise TEXT         put TEXT in front of every answer\n"
    "  --overlong N         pad every answer to N characters\n"
    "  --short N            cut every answer to N characters\n"
    "  --stray TEXT         send TEXT as an extra line right after every answer\n"
    "  --silent-page N      never answer RD, WD or LD of page N\n"
    "\n"
    "A line of tags, from the first command on: each tag stays in the field for its hold time,\n"
    "then the field is empty (RD, WD, LD and RUID answer \"No Read\") for the gap.\n"
    "  --tags N             N tags with the UIDs E0041001, E0041002 ... and the default pages\n"
    "  --tags-file FILE     the tags of FILE, one \"UID [HOLD_MS]\" a line\n"
    "  --hold-ms N          each tag stays N ms (default 3000)\n"
    "  --gap-ms N           the field stays empty N ms between tags (default 1000)\n";

std::optional<int> ParseCount(const char* text)
{
    int value = 0;
    const std::string_view view(text);
    const auto [end, error] = std::from_chars(view.data(), view.data() + view.size(), value);
    if (error != std::errc() || end != view.data() + view.size() || value < 0)
        return std::nullopt;
    return value;
}

struct Settings
{
    PtyServerOptions options;
    ReaderFaults faults;
    std::optional<int> timeoutValue;
    QByteArray uid;
    int tagCount = 0;
    QString tagsFile;
    std::chrono::milliseconds hold{3000};
    std::chrono::milliseconds gap{1000};
};

// Returns the settings, or nothing after printing why the arguments are wrong.
std::optional<Settings> ParseArguments(int argc, char** argv)
{
    Settings settings;
    for (int index = 1; index < argc; ++index) {
        const std::string_view option(argv[index]);
        const char* value = index + 1 < argc ? argv[index + 1] : nullptr;
        auto needCount = [&](auto apply) {
            const std::optional<int> count = value ? ParseCount(value) : std::nullopt;
            if (!count) {
                std::fprintf(stderr, "%s needs a number\n", argv[index]);
                return false;
            }
            apply(*count);
            ++index;
            return true;
        };
        auto needText = [&](auto apply) {
            if (!value) {
                std::fprintf(stderr, "%s needs a value\n", argv[index]);
                return false;
            }
            apply(QByteArray(value));
            ++index;
            return true;
        };
        bool ok = true;
        if (option == "--link")
            ok = needText(
                [&](QByteArray v) { settings.options.linkPath = QString::fromLocal8Bit(v); });
        else if (option == "--latency-ms")
            ok = needCount([&](int v) { settings.options.latency = std::chrono::milliseconds(v); });
        else if (option == "--baud")
            ok = needCount([&](int v) { settings.options.pacingBaud = v; });
        else if (option == "--tor")
            ok = needCount([&](int v) { settings.timeoutValue = v; });
        else if (option == "--uid")
            ok = needText([&](QByteArray v) { settings.uid = v; });
        else if (option == "--no-transponder")
            settings.faults.noTransponder = true;
        else if (option == "--error-09")
            settings.faults.errorMark09 = true;
        else if (option == "--bad-uid")
            settings.faults.badUid = true;
        else if (option == "--silent")
            settings.faults.silent = true;
        else if (option == "--slow-ms")
            ok = needCount(
                [&](int v) { settings.faults.answerDelay = std::chrono::milliseconds(v); });
        else if (option == "--slow-commands")
            ok = needText([&](QByteArray v) { settings.faults.slowCommands = v.split(','); });
        else if (option == "--crlf")
            settings.faults.crLfLineEnds = true;
        else if (option == "--unsolicited")
            ok = needText([&](QByteArray v) { settings.faults.unsolicitedLine = v; });
        else if (option == "--noise")
            ok = needText([&](QByteArray v) { settings.faults.noise = v; });
        else if (option == "--overlong")
            ok = needCount([&](int v) { settings.faults.overlongLength = v; });
        else if (option == "--short")
            ok = needCount([&](int v) { settings.faults.shortLength = v; });
        else if (option == "--stray")
            ok = needText([&](QByteArray v) { settings.faults.strayLine = v; });
        else if (option == "--silent-page")
            ok = needCount([&](int v) { settings.faults.silentPage = v; });
        else if (option == "--tags")
            ok = needCount([&](int v) { settings.tagCount = v; });
        else if (option == "--tags-file")
            ok = needText([&](QByteArray v) { settings.tagsFile = QString::fromLocal8Bit(v); });
        else if (option == "--hold-ms")
            ok = needCount([&](int v) { settings.hold = std::chrono::milliseconds(v); });
        else if (option == "--gap-ms")
            ok = needCount([&](int v) { settings.gap = std::chrono::milliseconds(v); });
        else {
            std::fprintf(stderr, "unknown option %s\n%s", argv[index], kUsage);
            return std::nullopt;
        }
        if (!ok)
            return std::nullopt;
    }
    return settings;
}

} // namespace

int main(int argc, char** argv)
{
    for (int index = 1; index < argc; ++index) {
        if (std::strcmp(argv[index], "--help") == 0) {
            std::fputs(kUsage, stdout);
            return 0;
        }
    }
    const std::optional<Settings> settings = ParseArguments(argc, argv);
    if (!settings)
        return 2;

    // Block the stop signals before the server thread exists, so only sigwait below sees them.
    sigset_t stopSignals;
    sigemptyset(&stopSignals);
    sigaddset(&stopSignals, SIGINT);
    sigaddset(&stopSignals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &stopSignals, nullptr);

    ReaderEmulator emulator;
    emulator.SetFaults(settings->faults);
    if (settings->timeoutValue)
        emulator.SetTimeoutValue(*settings->timeoutValue);
    if (!settings->uid.isEmpty())
        emulator.SetUid(settings->uid);
    if (!settings->tagsFile.isEmpty()) {
        QString error;
        std::optional<TagLine> line =
            TagLineFromFile(settings->tagsFile, settings->hold, settings->gap, error);
        if (!line) {
            std::fprintf(stderr, "%s\n", error.toLocal8Bit().constData());
            return 2;
        }
        emulator.SetTagLine(std::move(*line));
    } else if (settings->tagCount > 0) {
        emulator.SetTagLine(GeneratedTagLine(settings->tagCount, settings->hold, settings->gap));
    }
    PtyReaderServer server(std::move(emulator), settings->options);
    if (!server.Start()) {
        std::fprintf(stderr, "could not create the pseudo-terminal\n");
        return 1;
    }
    std::printf("%s\n", server.SlavePath().toLocal8Bit().constData());
    std::fflush(stdout);

    int signal = 0;
    sigwait(&stopSignals, &signal);
    server.Stop();
    return 0;
}
