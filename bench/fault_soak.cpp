// A soak of the main window against the emulated reader: for a given time (--seconds, default 600)
// it reads and writes all 17 pages while the reader misbehaves in random ways, now and then pulls
// the reader and plugs it back, and reports the runs, the faults injected, the wrong greens (a
// green page whose text is not exactly the reader's content; must be 0), the memory at start and
// end and the longest operation. --seed repeats a campaign.
//
// A new kind of fault is one more row in kFaultKinds.

#include "bench_setup.h"
#include "app/main_window.h"
#include "ui/colours.h"
#include "ui/enter_field.h"
#include "ui/message_boxes.h"
#include <QAbstractButton>
#include "reader-sim/pty_reader_server.h"
#include "transponder/page_row_table.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Random = std::mt19937;

constexpr int kPages = 17;
constexpr int kShortTimeoutValue = 5; // TOR answer: silent pages are waited out in 65 ms each
constexpr int kMostFaultsAtOnce = 2;
constexpr int kUnplugOneRunIn = 25;
constexpr std::chrono::seconds kReconnectBound{15};

struct FaultKind
{
    const char* name;
    void (*apply)(ReaderFaults& faults, Random& random);
};

QByteArray RandomBytes(Random& random, int most)
{
    QByteArray bytes;
    const int count = std::uniform_int_distribution<int>(1, most)(random);
    for (int i = 0; i < count; ++i)
        bytes += static_cast<char>(std::uniform_int_distribution<int>(1, 255)(random));
    return bytes.replace('\r', 'x');
}

const FaultKind kFaultKinds[] = {
    {"no transponder", [](ReaderFaults& f, Random&) { f.noTransponder = true; }},
    {"error mark #09", [](ReaderFaults& f, Random&) { f.errorMark09 = true; }},
    {"silent", [](ReaderFaults& f, Random&) { f.silent = true; }},
    {"CR LF line ends", [](ReaderFaults& f, Random&) { f.crLfLineEnds = true; }},
    {"stray line", [](ReaderFaults& f, Random& r) { f.unsolicitedLine = RandomBytes(r, 20); }},
    {"noise in answers",
     [](ReaderFaults& f, Random& r) {
         // Noise made of HEX digits would be a page the protocol cannot tell from a real one.
         f.noise = RandomBytes(r, 4);
         for (char& byte : f.noise) {
             if (std::isxdigit(static_cast<unsigned char>(byte)))
                 byte = 'x';
         }
         f.noiseOffset = std::uniform_int_distribution<int>(0, 20)(r);
     }},
    {"short answers",
     [](ReaderFaults& f, Random& r) { f.shortLength = std::uniform_int_distribution<int>(1, 15)(r); }},
    {"stray line after answers", [](ReaderFaults& f, Random&) { f.strayLine = "ACK"; }},
    {"silent page",
     [](ReaderFaults& f, Random& r) { f.silentPage = std::uniform_int_distribution<int>(1, 17)(r); }},
    {"overlong answers",
     [](ReaderFaults& f, Random& r) {
         f.overlongLength = std::uniform_int_distribution<int>(17, 64)(r);
     }},
    {"slow answers",
     [](ReaderFaults& f, Random& r) {
         f.answerDelay = std::chrono::milliseconds(std::uniform_int_distribution<int>(1, 40)(r));
     }},
};
constexpr const char* kUnplugName = "reader unplugged";

// Counts the boxes instead of showing them.
class CountingPresenter final : public MessagePresenter
{
public:
    void Present(const MessageBoxRequest&) override { ++shown; }
    long shown = 0;
};

long ResidentKilobytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmRSS:"))
            return line.mid(6).trimmed().split(' ').value(0).toLong();
    }
    return -1;
}

QString Hex(const ReaderEmulator::Page& page)
{
    return QString::fromLatin1(
        QByteArray(reinterpret_cast<const char*>(page.data()), qsizetype(page.size()))
            .toHex()
            .toUpper());
}

ReaderEmulator::Page RandomPage(Random& random)
{
    ReaderEmulator::Page page{};
    for (std::uint8_t& byte : page)
        byte = static_cast<std::uint8_t>(random());
    return page;
}

bool ProcessEventsUntil(const std::function<bool()>& condition, std::chrono::seconds bound)
{
    const auto end = Clock::now() + bound;
    while (!condition()) {
        if (Clock::now() > end)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    return true;
}

class Campaign
{
public:
    Campaign(QString linkPath, unsigned seed) : linkPath(std::move(linkPath)), random(seed) {}

    bool Start();
    bool RunOnce();
    void Report(std::chrono::seconds planned, unsigned seed, long rssStart) const;
    void Finish() { window.reset(); }
    long WrongGreens() const { return wrongGreens; }

private:
    bool PlugReader();
    bool UnplugAndReplug();
    void PrepareReader(const ReaderFaults& faults, std::array<bool, kPages> locks);
    long CountWrongGreens();

    QString linkPath;
    Random random;
    std::unique_ptr<PtyReaderServer> reader;
    std::unique_ptr<MainWindow> window;
    long runs = 0;
    long faultsInjected = 0;
    long wrongGreens = 0;
    std::map<std::string, long> perKind;
    std::map<std::string, long> wrongGreensWith; // wrong greens of the runs with each fault
    double longestMs = 0;
    const char* longestName = "";
};

bool Campaign::PlugReader()
{
    PtyServerOptions options;
    options.linkPath = linkPath;
    reader = std::make_unique<PtyReaderServer>(ReaderEmulator{}, options);
    return reader->Start();
}

bool Campaign::Start()
{
    if (!PlugReader())
        return false;
    QFile settings(QDir::current().filePath(QStringLiteral("Orvane.ini")));
    if (!settings.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QByteArray text = "[Interface]\r\nPort=" + linkPath.toUtf8() +
                      "\r\nBaudrate=115200\r\n"
                      "[Data]\r\nSelectAll=1\r\n";
    for (int page = 1; page <= kPages; ++page)
        text += "SelectP" + QByteArray::number(page) + "=1\r\n";
    settings.write(text);
    settings.close();
    window = std::make_unique<MainWindow>();
    window->show();
    return window->Link().connected;
}

void Campaign::PrepareReader(const ReaderFaults& faults, std::array<bool, kPages> locks)
{
    reader->Configure([&](ReaderEmulator& emulator) {
        emulator.SetTimeoutValue(kShortTimeoutValue);
        emulator.SetFaults(faults);
        for (int page = 1; page <= kPages; ++page) {
            emulator.SetPageContent(page, RandomPage(random));
            emulator.SetLocked(page, locks[std::size_t(page - 1)]);
        }
    });
}

bool Campaign::UnplugAndReplug()
{
    reader->Vanish();
    if (!ProcessEventsUntil([&] { return !window->Link().connected; }, kReconnectBound))
        return false;
    return PlugReader() &&
           ProcessEventsUntil([&] { return window->Link().connected; }, kReconnectBound);
}

long Campaign::CountWrongGreens()
{
    long found = 0;
    std::array<QString, kPages> content;
    reader->Configure([&](ReaderEmulator& emulator) {
        for (int page = 1; page <= kPages; ++page)
            content[std::size_t(page - 1)] = Hex(emulator.PageContent(page));
    });
    const auto& fields = window->Widgets().pageFields;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        const QString shown = fields[i]->text();
        if (fields[i]->BackgroundColor() == kColourGreen && shown != content[i] && found++ == 0)
            std::fprintf(stderr, "run %ld: wrong green on page %zu: shown \"%s\", reader %s\n",
                         runs + 1, i + 1, qPrintable(shown), qPrintable(content[i]));
    }
    return found;
}

bool Campaign::RunOnce()
{
    if (std::uniform_int_distribution<int>(1, kUnplugOneRunIn)(random) == 1) {
        ++faultsInjected;
        ++perKind[kUnplugName];
        if (!UnplugAndReplug())
            return false;
    }
    ReaderFaults faults;
    std::vector<const char*> kinds;
    const int count = std::uniform_int_distribution<int>(0, kMostFaultsAtOnce)(random);
    for (int i = 0; i < count; ++i) {
        const FaultKind& kind = kFaultKinds[std::uniform_int_distribution<std::size_t>(
            0, std::size(kFaultKinds) - 1)(random)];
        kind.apply(faults, random);
        kinds.push_back(kind.name);
        ++faultsInjected;
        ++perKind[kind.name];
    }
    std::array<bool, kPages> locks{};
    for (bool& lock : locks)
        lock = std::uniform_int_distribution<int>(0, 3)(random) == 0;
    PrepareReader(faults, locks);

    const bool write = std::uniform_int_distribution<int>(0, 1)(random) == 1;
    if (write) {
        for (PageRow& row : window->Model().pageRows.rows)
            row.text = Hex(RandomPage(random));
        window->ShowFields();
    }
    const auto start = Clock::now();
    (write ? window->Widgets().writeButton : window->Widgets().readButton)->click();
    const double elapsed = std::chrono::duration<double, std::milli>(Clock::now() - start).count();
    if (elapsed > longestMs) {
        longestMs = elapsed;
        longestName = write ? "write" : "read";
    }
    QCoreApplication::processEvents();
    const long found = CountWrongGreens();
    wrongGreens += found;
    for (const char* name : kinds)
        wrongGreensWith[name] += found;
    ++runs;
    return true;
}

void Campaign::Report(std::chrono::seconds planned, unsigned seed, long rssStart) const
{
    std::printf("fault soak: %lld s, seed %u\n", static_cast<long long>(planned.count()), seed);
    std::printf("runs %ld (17 pages each), faults injected %ld, wrong greens %ld\n", runs,
                faultsInjected, wrongGreens);
    for (const auto& [name, times] : perKind) {
        const auto wrong = wrongGreensWith.find(name);
        std::printf("  %-18s %5ld runs, wrong greens in them %ld\n", name.c_str(), times,
                    wrong == wrongGreensWith.end() ? 0L : wrong->second);
    }
    std::printf("memory VmRSS: start %ld kB, end %ld kB\n", rssStart, ResidentKilobytes());
    std::printf("longest operation: %.1f ms (%s of 17 pages)\n", longestMs, longestName);
}

} // namespace

int main(int argc, char** argv)
{
    std::chrono::seconds planned{600};
    unsigned seed = std::random_device{}();
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--seconds") == 0)
            planned = std::chrono::seconds(std::max(1L, std::atol(argv[i + 1])));
        else if (std::strcmp(argv[i], "--seed") == 0)
            seed = static_cast<unsigned>(std::strtoul(argv[i + 1], nullptr, 10));
    }
    UseOffscreenPlatformUnlessAsked();
    QApplication application(argc, argv);
    QTemporaryDir folder;
    if (!EnterFreshFolder(folder))
        return 1;
    CountingPresenter presenter;
    MessagePresenter* previous = SetMessagePresenter(&presenter);

    Campaign campaign(folder.filePath(QStringLiteral("reader")), seed);
    if (!campaign.Start()) {
        std::fprintf(stderr, "the window could not open the emulated reader\n");
        return 1;
    }
    // Warm-up, so the start figure holds what a run allocates once.
    campaign.RunOnce();
    const long rssStart = ResidentKilobytes();
    const auto end = Clock::now() + planned;
    bool ok = true;
    while (ok && Clock::now() < end)
        ok = campaign.RunOnce();
    campaign.Report(planned, seed, rssStart);
    std::printf("message boxes shown %ld\n", presenter.shown);
    campaign.Finish();
    SetMessagePresenter(previous);
    if (!ok)
        std::fprintf(stderr, "the reader was not taken back after an unplug\n");
    if (!ok)
        return 1;
    return campaign.WrongGreens() == 0 ? 0 : 2;
}
