// Times the per-tag cycle of `orvane-cli program` against the emulated reader at 115200 baud with
// no added latency: wait for the tag (TOR, RUID), write 17 pages and read each back, as the loop
// does for every tag before it waits for the tag to leave. Prints the wall time per tag against
// the wire-time floor of the bytes both ways (10 bits a byte, one command and its answer after
// the other); the emulator paces only its answers, so the floor counts more than it sends.
//   bench_program_cycle [tags]
#include "cli/cli_report.h"
#include "cli/page_image_file.h"
#include "cli/reader_commands.h"
#include "cli/tag_presence.h"
#include "reader-sim/pty_reader_server.h"
#include "serial/link_error_reporter.h"
#include "serial/serial_link.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int kBaud = 115200;
constexpr int kBitsPerByte = 10;
constexpr int kDefaultTags = 20;

class PrintedErrors : public LinkErrorReporter
{
public:
    void ShowLinkError(const QString& text) override
    {
        std::fprintf(stderr, "%s\n", qPrintable(text));
    }
};

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication application(argc, argv);
    const int tags = argc > 1 ? std::max(1, std::atoi(argv[1])) : kDefaultTags;
    // One tag stays in the field: each cycle programs it anew, as the loop does each new tag.
    PtyServerOptions options;
    options.pacingBaud = kBaud;
    PtyReaderServer reader(ReaderEmulator{}, options);
    if (!reader.Start())
        return 1;
    PrintedErrors errors;
    SerialLink link;
    link.portName = reader.SlavePath();
    link.baudRate = kBaud;
    link.ConnectPort(errors);
    if (!link.connected)
        return 1;

    std::vector<PageText> image;
    for (int page = 1; page <= 17; ++page)
        image.push_back({page, QStringLiteral("A5%1").arg(page, 2, 16, QChar(u'0')).toUpper() +
                                   "000000000000"});
    TagPresence field(link);
    std::vector<double> cycleMs;
    qint64 wireBytes = 0;
    qint64 answerBytes = 0;
    for (int tag = 0; tag < tags; ++tag) {
        reader.ClearReceivedBytes();
        QElapsedTimer timer;
        timer.start();
        CliReport report;
        const bool found = field.WaitForTag().has_value();
        RunWrite(link, image, true, DisplayFormat::Hex, {}, report);
        cycleMs.push_back(timer.nsecsElapsed() / 1e6);
        if (!found || !report.ok) {
            std::fprintf(stderr, "tag %d not programmed (found %d): %s\n", tag + 1, found,
                         qPrintable(report.sent.join(u' ')));
            return 1;
        }
        // The answers are as long as a fresh reader's answers to the same commands.
        ReaderEmulator replay;
        const QByteArray commands = reader.ReceivedBytes();
        answerBytes = replay.Feed(commands).size();
        wireBytes = commands.size() + answerBytes;
    }
    link.ClosePort(errors);
    std::sort(cycleMs.begin(), cycleMs.end());
    const double floorMs = 1000.0 * wireBytes * kBitsPerByte / kBaud;
    std::printf("tags %d, bytes per tag %lld (both ways), wire floor %.1f ms; answers alone (what "
                "the emulator paces) %.1f ms\n",
                tags, static_cast<long long>(wireBytes), floorMs,
                1000.0 * answerBytes * kBitsPerByte / kBaud);
    std::printf("wall per tag: median %.1f ms, min %.1f ms, max %.1f ms (median %.2f x floor)\n",
                cycleMs[cycleMs.size() / 2], cycleMs.front(), cycleMs.back(),
                cycleMs[cycleMs.size() / 2] / floorMs);
    return 0;
}
