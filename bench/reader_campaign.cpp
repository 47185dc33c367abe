// Runs the seeded fault campaign of the test suite much longer: read, write and lock runs clicked
// in the real window (offscreen) against the emulated reader with random faults, checking after
// each run that every green page holds what the reader holds. With a slow share, that share of the
// runs has a reader that answers one command (or all) late, after 0.5 to 1.5 times its wait, and
// the reader answers TOR with 1 to keep the waits short; then orvane-cli runs as many reads
// against the same kind of reader (in this process), each checked for a page shown with data the
// reader does not hold and for exit status 0 with any page not read right. Prints runs, pages
// checked, violations and the rate.
//   bench_reader_campaign [runs] [seed] [slow-share] [orvane-cli runs, as many as runs unless given]
#include "bench_setup.h"
#include "app/reader_campaign.h"
#include "app/application.h"
#include "app/main_window.h"
#include "cli/cli_run.h"
#include "reader-sim/pty_reader_server.h"
#include "transponder/reader_operation.h"
#include "transponder/reader_protocol.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>
#include <random>

namespace {

constexpr int kDefaultRuns = 10000;
constexpr std::uint32_t kDefaultSeed = 1;
constexpr int kTimeoutAnswer = 5;
constexpr int kShortTimeoutAnswer = 1;
const QByteArray kVerbs[] = {"TOR", "RD"};

struct CliCampaignResult
{
    int runs = 0;
    int pagesShown = 0;
    int wrongPages = 0;   // a page line with data the reader does not hold
    int wrongSuccess = 0; // exit status 0 while a selected page was not read right
};

QString PageHex(PtyReaderServer& reader, int page)
{
    ReaderEmulator::Page held{};
    reader.Configure([&](ReaderEmulator& emulator) { held = emulator.PageContent(page); });
    return QByteArray(reinterpret_cast<const char*>(held.data()), held.size()).toHex().toUpper();
}

// orvane-cli reads of random page ranges against a reader that is slow, silent on a page or
// without transponder now and then.
CliCampaignResult RunCliCampaign(PtyReaderServer& reader, std::uint32_t seed, int runs,
                                 double slowShare)
{
    std::mt19937_64 random(seed);
    const auto between = [&](int low, int high) {
        return std::uniform_int_distribution(low, high)(random);
    };
    const auto chance = [&](double p) { return std::bernoulli_distribution(p)(random); };
    CliCampaignResult result;
    for (; result.runs < runs; ++result.runs) {
        ReaderFaults faults;
        if (chance(slowShare)) {
            const int tor = between(0, 1);
            // Each run starts with the initial unit, which its TOR wait is made of.
            const int wait =
                tor == 0 ? kTimeoutQueryWaitFactor * kInitialTimeoutUnit
                         : kReadPageWaitFactor * kShortTimeoutAnswer *
                             TraitsOf(ReaderOperation::ReadPages).timeoutFactor;
            faults.answerDelay = std::chrono::milliseconds(between(wait / 2, wait * 3 / 2));
            faults.slowCommands = chance(0.3) ? QByteArrayList() : QByteArrayList{kVerbs[tor]};
        }
        faults.noTransponder = chance(0.05);
        faults.silentPage = chance(0.05) ? between(1, kPageCount) : 0;
        reader.Configure([&](ReaderEmulator& emulator) {
            emulator.SetFaults(faults);
            ReaderEmulator::Page page{};
            for (std::uint8_t& byte : page)
                byte = static_cast<std::uint8_t>(random());
            emulator.SetPageContent(between(1, kPageCount), page);
        });
        const int first = between(1, kPageCount);
        const int last = std::min(kPageCount, first + between(0, 3));
        QString out, err;
        QTextStream outStream(&out), errStream(&err);
        const int status = RunCli(
            {"read", QStringLiteral("%1-%2").arg(first).arg(last), "--port", reader.SlavePath()},
            outStream, errStream, false);
        int right = 0;
        for (const QString& line : out.split(u'\n', Qt::SkipEmptyParts)) {
            const QStringList words = line.split(u' ');
            const int page = words.value(0).mid(1).toInt();
            if (words.size() != 2 || words[1].size() != kPageHexDigits)
                continue;
            ++result.pagesShown;
            if (words[1] == PageHex(reader, page)) {
                ++right;
            } else if (++result.wrongPages <= 10) {
                std::printf("cli run %d: %s, reader holds %s\n", result.runs, qPrintable(line),
                            qPrintable(PageHex(reader, page)));
            }
        }
        if (status == kCliSuccess && right != last - first + 1)
            ++result.wrongSuccess;
    }
    return result;
}

} // namespace

int main(int argc, char** argv)
{
    UseOffscreenPlatformUnlessAsked();
    QApplication application(argc, argv);
    Application::Name();
    const int runs = argc > 1 ? std::atoi(argv[1]) : kDefaultRuns;
    const auto seed = argc > 2 ? static_cast<std::uint32_t>(std::atoll(argv[2])) : kDefaultSeed;
    const double slowShare = argc > 3 ? std::atof(argv[3]) : 0;
    const int cliRuns = argc > 4 ? std::atoi(argv[4]) : runs;

    PtyReaderServer reader;
    QTemporaryDir folder;
    if (!reader.Start() || !folder.isValid() || !QDir::setCurrent(folder.path()))
        return 2;
    reader.Configure([&](ReaderEmulator& emulator) {
        emulator.SetTimeoutValue(slowShare > 0 ? kShortTimeoutAnswer : kTimeoutAnswer);
    });
    QFile settings(QDir(folder.path()).filePath(QStringLiteral("Orvane.ini")));
    if (!settings.open(QIODevice::WriteOnly) ||
        settings.write("[Interface]\nPort=" + reader.SlavePath().toUtf8() + "\nBaudrate=115200\n") <
            0)
        return 2;
    settings.close();

    MainWindow window;
    window.show();
    QElapsedTimer clock;
    clock.start();
    const CampaignResult result = RunReaderCampaign(window, reader, seed, runs, slowShare);
    const double seconds = clock.elapsed() / 1000.0;
    for (const QString& violation : result.violations)
        std::printf("%s\n", qPrintable(violation));
    std::printf("seed %u, slow share %.2f: %d runs, %d green pages checked, %lld violations, "
                "%.1f s (%.1f runs/s)\n",
                seed, slowShare, result.runs, result.greenPages,
                static_cast<long long>(result.violations.size()), seconds, result.runs / seconds);
    window.close();
    if (slowShare <= 0)
        return result.violations.isEmpty() ? 0 : 1;

    clock.restart();
    const CliCampaignResult cli = RunCliCampaign(reader, seed, cliRuns, slowShare);
    std::printf("orvane-cli: %d runs, %d pages shown, %d with wrong data, %d wrong exit 0, "
                "%.1f s\n",
                cli.runs, cli.pagesShown, cli.wrongPages, cli.wrongSuccess,
                clock.elapsed() / 1000.0);
    return result.violations.isEmpty() && cli.wrongPages == 0 && cli.wrongSuccess == 0 ? 0 : 1;
}
