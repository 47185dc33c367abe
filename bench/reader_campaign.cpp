// Runs the seeded fault campaign of the test suite much longer: read, write and lock runs clicked
// in the real window (offscreen) against the emulated reader with random faults, checking after
// each run that every green page holds what the reader holds. Prints runs, pages checked,
// violations and the rate.
//   bench_reader_campaign [runs] [seed]
#include "bench_setup.h"
#include "app/reader_campaign.h"
#include "app/corvane_app.h"
#include "app/corvane_dlg.h"
#include "reader-sim/pty_reader_server.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int kDefaultRuns = 10000;
constexpr std::uint32_t kDefaultSeed = 1;
constexpr int kTimeoutAnswer = 5;

} // namespace

int main(int argc, char** argv)
{
    UseOffscreenPlatformUnlessAsked();
    QApplication application(argc, argv);
    COrvaneApp::InitInstance();
    const int runs = argc > 1 ? std::atoi(argv[1]) : kDefaultRuns;
    const auto seed = argc > 2 ? static_cast<std::uint32_t>(std::atoll(argv[2])) : kDefaultSeed;

    PtyReaderServer reader;
    QTemporaryDir folder;
    if (!reader.Start() || !folder.isValid() || !QDir::setCurrent(folder.path()))
        return 2;
    reader.Configure([](ReaderEmulator& emulator) { emulator.SetTimeoutValue(kTimeoutAnswer); });
    QFile settings(QDir(folder.path()).filePath(QStringLiteral("Orvane.ini")));
    if (!settings.open(QIODevice::WriteOnly) ||
        settings.write("[Interface]\nPort=" + reader.SlavePath().toUtf8() + "\nBaudrate=115200\n") <
            0)
        return 2;
    settings.close();

    COrvaneDlg window;
    window.Create();
    QElapsedTimer clock;
    clock.start();
    const CampaignResult result = RunReaderCampaign(window, reader, seed, runs);
    const double seconds = clock.elapsed() / 1000.0;
    for (const QString& violation : result.violations)
        std::printf("%s\n", qPrintable(violation));
    std::printf("seed %u: %d runs, %d green pages checked, %lld violations, %.1f s (%.1f runs/s)\n",
                seed, result.runs, result.greenPages,
                static_cast<long long>(result.violations.size()), seconds, result.runs / seconds);
    window.DestroyWindow();
    return result.violations.isEmpty() ? 0 : 1;
}
