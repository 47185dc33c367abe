// The terminal under a stream of reader lines, each figure beside a plain QPlainTextEdit that
// appends the same lines one by one (capped by maximumBlockCount) in the same run:
//   - one small batch into a full pane: GUI-thread CPU per batch, painting included;
//   - a flood of 100,000 lines through the window: CPU of all threads;
//   - a flood of 1,000,000 lines after it: CPU of all threads, and how far the resident memory has
//     grown over what the connected, idle window held before both floods;
//   - 240 lines a second (9600 baud) into a full pane through the window: share of one core;
//   - connected and idle: context switches per second of all threads.
// The window reads a bare pseudo-terminal that this program feeds from a thread of its own, whose
// CPU is subtracted. Usage: bench_terminal_stream [stream seconds, default 10]

#include "bench_setup.h"
#include "app/main_window.h"
#include "app/terminal_pane.h"
#include "ui/terminal_output.h"
#include "reader-sim/raw_pty_master.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <map>
#include <sys/resource.h>
#include <thread>
#include <time.h>
#include <unistd.h>
#include <vector>

namespace {

using namespace std::chrono_literals;

constexpr int kFull = kMaxOutputLines;
constexpr int kBatchLines = 4;
constexpr int kBatchRounds = 300;
constexpr int kFloodLines = 100000;
constexpr int kBigFloodLines = 1000000;
constexpr int kStreamRate = 240;
constexpr auto kIdleSpan = 5s;

double ThreadCpuSeconds()
{
    timespec now{};
    ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return double(now.tv_sec) + double(now.tv_nsec) / 1e9;
}

double ProcessCpuSeconds()
{
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    auto seconds = [](const timeval& t) { return double(t.tv_sec) + double(t.tv_usec) / 1e6; };
    return seconds(usage.ru_utime) + seconds(usage.ru_stime);
}

double ResidentMiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0.0;
    const QList<QByteArray> fields = statm.readAll().split(' ');
    return fields.size() > 1 ? fields[1].toDouble() * double(::sysconf(_SC_PAGESIZE)) / 1048576.0
                             : 0.0;
}

// Voluntary and involuntary context switches of every thread of this process.
long ContextSwitches()
{
    long total = 0;
    for (const QString& task :
         QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile status(QStringLiteral("/proc/self/task/%1/status").arg(task));
        if (!status.open(QIODevice::ReadOnly))
            continue;
        for (const QByteArray& line : status.readAll().split('\n')) {
            if (line.contains("ctxt_switches:"))
                total += line.mid(line.indexOf(':') + 1).trimmed().toLong();
        }
    }
    return total;
}

// CPU seconds of each thread of this process, by thread id.
std::map<QString, double> ThreadCpu()
{
    std::map<QString, double> cpu;
    const double tick = double(::sysconf(_SC_CLK_TCK));
    for (const QString& task :
         QDir(QStringLiteral("/proc/self/task")).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        QFile stat(QStringLiteral("/proc/self/task/%1/stat").arg(task));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray text = stat.readAll();
        // Fields after the parenthesised name: state is the 3rd, utime the 14th, stime the 15th.
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 12)
            cpu[task] = (fields[11].toDouble() + fields[12].toDouble()) / tick;
    }
    return cpu;
}

void PrintThreadShares(const std::map<QString, double>& before)
{
    for (const auto& [task, seconds] : ThreadCpu()) {
        const auto earlier = before.find(task);
        const double spent = seconds - (earlier == before.end() ? 0.0 : earlier->second);
        if (spent > 0)
            std::printf("    thread %s: %.2f s\n", task.toLocal8Bit().constData(), spent);
    }
}

double Median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples.empty() ? 0.0 : samples[samples.size() / 2];
}

double Percentile99(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples.empty() ? 0.0 : samples[samples.size() * 99 / 100];
}

QString Line(int number)
{
    return QStringLiteral("L%1\r\n").arg(number, 6, 10, QLatin1Char('0'));
}

// Received lines first to last, as the receive thread hands them over.
TerminalLines Received(int first, int last)
{
    TerminalLines lines;
    for (int number = first; number < last; ++number) {
        lines.bytes += Line(number).toLatin1();
        lines.ends.push_back(lines.bytes.size());
    }
    return lines;
}

void RunEventsFor(std::chrono::milliseconds span)
{
    QEventLoop loop;
    QTimer::singleShot(span, &loop, &QEventLoop::quit);
    loop.exec();
}

// Sleeps between events, so the waiting costs no CPU that would be counted as the window's.
bool RunEventsUntil(const std::function<bool()>& done, std::chrono::seconds bound = 120s)
{
    QTimer limit; // its expiry wakes the wait
    limit.setSingleShot(true);
    limit.start(bound);
    while (!done()) {
        if (!limit.isActive())
            return false;
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    return true;
}

// --- One small batch into a full pane, GUI thread only. ---

void MeasureBatch()
{
    QWidget holder;
    holder.resize(300, 400);
    auto* field = new TerminalOutput(&holder);
    field->setGeometry(0, 0, 200, 360);
    auto* plain = new QPlainTextEdit(&holder);
    plain->setGeometry(0, 0, 200, 360);
    plain->setMaximumBlockCount(kFull);
    plain->setUndoRedoEnabled(false);
    holder.show();

    ShowLinesOnTop(*field, Received(0, kFull));
    for (int i = 0; i < kFull; ++i)
        plain->appendPlainText(Line(i).chopped(2));
    QCoreApplication::processEvents();

    std::vector<double> paneSamples, plainSamples;
    int next = kFull;
    for (int round = 0; round < kBatchRounds; ++round) {
        const TerminalLines batch = Received(next, next + kBatchLines);
        next += kBatchLines;
        plain->hide();
        field->show();
        QCoreApplication::processEvents();
        double start = ThreadCpuSeconds();
        ShowLinesOnTop(*field, batch);
        QCoreApplication::processEvents();
        paneSamples.push_back((ThreadCpuSeconds() - start) * 1e3);

        field->hide();
        plain->show();
        QCoreApplication::processEvents();
        start = ThreadCpuSeconds();
        for (int i = next - kBatchLines; i < next; ++i)
            plain->appendPlainText(Line(i).chopped(2));
        QCoreApplication::processEvents();
        plainSamples.push_back((ThreadCpuSeconds() - start) * 1e3);
    }
    std::printf("batch of %d lines into a full pane, GUI CPU per batch (target <= 1.5 ms):\n"
                "  pane         median %7.3f ms  p99 %7.3f ms\n"
                "  plain append median %7.3f ms  p99 %7.3f ms\n",
                kBatchLines, Median(paneSamples), Percentile99(paneSamples), Median(plainSamples),
                Percentile99(plainSamples));
}

// --- Through the window, fed by a bare pseudo-terminal. ---

class Feeder
{
public:
    bool IsOpen() const { return pty.IsOpen(); }
    QString SlavePath() const { return pty.SlavePath(); }

    // Writes bytes on a thread of its own; the thread's CPU is kept to be subtracted.
    void Start(std::function<void(Feeder&)> feed)
    {
        worker = std::thread([this, feed] {
            const double start = ThreadCpuSeconds();
            feed(*this);
            cpuSeconds = ThreadCpuSeconds() - start;
        });
    }
    void Join() { worker.join(); }
    bool Write(const QByteArray& bytes) { return pty.Write(bytes); }

    std::atomic<double> cpuSeconds{0};

private:
    RawPtyMaster pty;
    std::thread worker;
};

bool WriteSettings(const QString& port)
{
    QFile settings(QDir::current().filePath(QStringLiteral("Orvane.ini")));
    if (!settings.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    settings.write("[Interface]\r\nPort=" + port.toUtf8() + "\r\nBaudrate=9600\r\n");
    return true;
}

void MeasureFloodFloor(int lines)
{
    QPlainTextEdit plain;
    plain.resize(200, 360);
    plain.setMaximumBlockCount(kFull);
    plain.setUndoRedoEnabled(false);
    plain.show();
    QCoreApplication::processEvents();
    const double start = ProcessCpuSeconds();
    for (int i = 0; i < lines; ++i)
        plain.appendPlainText(QStringLiteral("ACK"));
    QCoreApplication::processEvents();
    std::printf("plain append loop of %d lines: %.3f s CPU\n", lines, ProcessCpuSeconds() - start);
}

void MeasureStreamFloor(std::chrono::seconds span)
{
    QPlainTextEdit plain;
    plain.resize(200, 360);
    plain.setMaximumBlockCount(kFull);
    plain.setUndoRedoEnabled(false);
    for (int i = 0; i < kFull; ++i)
        plain.appendPlainText(QStringLiteral("ACK"));
    plain.show();
    QCoreApplication::processEvents();
    QTimer tick;
    tick.setTimerType(Qt::PreciseTimer);
    tick.setInterval(1000 / kStreamRate);
    QObject::connect(&tick, &QTimer::timeout,
                     [&] { plain.appendPlainText(QStringLiteral("ACK")); });
    const double start = ProcessCpuSeconds();
    tick.start();
    RunEventsFor(span);
    tick.stop();
    const double cpu = ProcessCpuSeconds() - start;
    std::printf("  plain append loop (timer):  %5.2f %% of a core\n",
                100.0 * cpu / std::chrono::duration<double>(span).count());
}

// Floods the window with lines "ACK\r" and an end mark, and prints the CPU it took.
bool MeasureFlood(MainWindow& window, Feeder& feeder, int lines, const char* target)
{
    std::printf("flood of %d lines \"ACK\\r\" (target <= %s s CPU, all threads):\n", lines, target);
    // An earlier flood's end mark must not be taken for this one's.
    window.Widgets().terminalClear->trigger();
    const std::map<QString, double> threadsBefore = ThreadCpu();
    const double start = ProcessCpuSeconds();
    feeder.Start([lines](Feeder& f) {
        QByteArray flood;
        for (int i = 0; i < lines; ++i)
            flood += "ACK\r";
        f.Write(flood + "END\r");
    });
    const bool flooded = RunEventsUntil(
        [&] { return window.Widgets().terminalOutput->Text().startsWith(u"END\r\n"); });
    feeder.Join();
    RunEventsFor(100ms);
    if (!flooded)
        return false;
    std::printf("  window:            %.3f s CPU\n",
                ProcessCpuSeconds() - start - feeder.cpuSeconds);
    PrintThreadShares(threadsBefore);
    return true;
}

bool MeasureWindow(std::chrono::seconds streamSpan)
{
    Feeder feeder;
    if (!feeder.IsOpen() || !WriteSettings(feeder.SlavePath()))
        return false;
    MainWindow window;
    window.show();
    if (!window.Link().connected)
        return false;
    window.Widgets().terminalShow->trigger();
    
    RunEventsFor(200ms);

    // Idle, connected.
    const long switchesBefore = ContextSwitches();
    const auto idleStart = std::chrono::steady_clock::now();
    RunEventsFor(std::chrono::duration_cast<std::chrono::milliseconds>(kIdleSpan));
    const double idleSeconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - idleStart).count();
    std::printf("connected and idle: %.1f wake-ups per second, all threads (target 0)\n",
                double(ContextSwitches() - switchesBefore) / idleSeconds);

    // Floods.
    const double restingMiB = ResidentMiB();
    if (!MeasureFlood(window, feeder, kFloodLines, "0.02"))
        return false;
    if (!MeasureFlood(window, feeder, kBigFloodLines, "0.15"))
        return false;
    std::printf("resident memory grown over the idle window: %.1f MiB (target <= 10)\n",
                ResidentMiB() - restingMiB);
    MeasureFloodFloor(kFloodLines);

    // Stream into the full pane.
    std::printf("%d lines/s into a full pane for %lld s (target <= 2.5 %% of a core):\n",
                kStreamRate, static_cast<long long>(streamSpan.count()));
    std::atomic<bool> streaming{true};
    const double start = ProcessCpuSeconds();
    const auto wallStart = std::chrono::steady_clock::now();
    feeder.Start([&streaming](Feeder& f) {
        auto due = std::chrono::steady_clock::now();
        while (streaming) {
            due += std::chrono::microseconds(1'000'000 / kStreamRate);
            std::this_thread::sleep_until(due);
            f.Write("ACK\r");
        }
    });
    RunEventsFor(streamSpan);
    streaming = false;
    feeder.Join();
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wallStart).count();
    std::printf("  window:                     %5.2f %% of a core\n",
                100.0 * (ProcessCpuSeconds() - start - feeder.cpuSeconds) / wall);
    MeasureStreamFloor(streamSpan);
    window.close();
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    UseOffscreenPlatformUnlessAsked();
    QApplication application(argc, argv);
    const std::chrono::seconds streamSpan(argc > 1 ? std::atoi(argv[1]) : 10);
    QTemporaryDir folder;
    if (!EnterFreshFolder(folder))
        return 1;
    MeasureBatch();
    if (!MeasureWindow(streamSpan)) {
        std::fprintf(stderr, "the window did not connect or the flood did not arrive\n");
        return 1;
    }
    return 0;
}
