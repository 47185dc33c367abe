// Reading all 17 pages through the main window (TOR and 17 RD exchanges, fields and terminal
// updated) against the emulated reader, measured against a floor: the same 18 exchanges done by a
// plain blocking write and read loop on the same pseudo-terminal, in the same run, each command in
// one write (as the tool writes) and a byte a call. Then the same read through ser2net on
// loopback, over telnet with the COM-PORT option, against the read on the local pseudo-terminal.
// The reader answers at once and paced at 115200 and 9600 baud.

#include "app/main_window.h"
#include "ui/colours.h"
#include "ui/enter_field.h"

#include <QAbstractButton>
#include "bench_setup.h"
#include "reader-sim/pty_reader_server.h"
#include "support/ser2net_server.h"
#include "transponder/exchange.h"
#include "transponder/reader_operation.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <termios.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Millis = std::chrono::duration<double, std::milli>;

struct Scenario
{
    const char* name;
    int pacingBaud; // 0: answers at once
    int rounds;
};

constexpr Scenario kScenarios[] = {
    {"zero latency", 0, 200},
    {"115200 baud", 115200, 40},
    {"9600 baud", 9600, 15},
};
constexpr int kWarmUpRounds = 2;
constexpr int kPages = 17;

double Median(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return samples.empty() ? 0.0 : samples[samples.size() / 2];
}

// One command and its answer line, blocking: the floor of what any exchange can cost. Written in
// one call, or a byte a call as the tool writes.
bool BlockingExchange(int port, const QByteArray& command, bool byteWise)
{
    for (qsizetype at = 0; at < command.size();) {
        const qsizetype size = byteWise ? 1 : command.size();
        if (::write(port, command.constData() + at, size) != size)
            return false;
        at += size;
    }
    char buffer[64];
    for (;;) {
        const ssize_t count = ::read(port, buffer, sizeof buffer);
        if (count <= 0)
            return false;
        if (std::find(buffer, buffer + count, '\r') != buffer + count)
            return true;
    }
}

// The floor of one read of all pages; negative when the port failed.
double MeasureFloorRound(const QString& devicePath, bool byteWise)
{
    const int port = ::open(devicePath.toLocal8Bit().constData(), O_RDWR | O_NOCTTY);
    if (port < 0)
        return -1;
    termios attributes{};
    ::tcgetattr(port, &attributes);
    cfmakeraw(&attributes);
    attributes.c_cc[VMIN] = 1;
    attributes.c_cc[VTIME] = 0;
    ::tcsetattr(port, TCSANOW, &attributes);
    // The emulated reader naps while nobody has the port open; the first exchange wakes it.
    bool ok = BlockingExchange(port, "TOR\r", byteWise);
    const auto start = Clock::now();
    ok = ok && BlockingExchange(port, "TOR\r", byteWise);
    for (int page = 1; ok && page <= kPages; ++page)
        ok = BlockingExchange(port, "RD " + QByteArray::number(page) + '\r', byteWise);
    const double elapsed = Millis(Clock::now() - start).count();
    ::close(port);
    return ok ? elapsed : -1;
}

// One read of all pages through the window; negative when a page was not read.
double MeasureWindowRound(MainWindow& window)
{
    const auto start = Clock::now();
    window.Widgets().readButton->click();
    const double elapsed = Millis(Clock::now() - start).count();
    for (const EnterField* field : window.Widgets().pageFields) {
        if (field->BackgroundColor() != kColourGreen)
            return -1;
    }
    return elapsed;
}

// The same TOR and 17 RD through the exchanges alone, without the window's fields and terminal:
// how much of a read is the exchange; negative when a page was not read.
double MeasureExchangeRound(MainWindow& window)
{
    QString records;
    bool allRead = true;
    const auto start = Clock::now();
    {
        OperationScope scope(window.Link(), ReaderOperation::ReadPages, records,
                             window.Model().timeoutUnit);
        scope.QueryTimeout();
        ExchangeContext& context = scope.Exchanges();
        for (int page = 1; page <= kPages; ++page) {
            const ExchangeResult answer = CommandExchange(context, ReadPageCommand(page));
            allRead = allRead && answer.kept.size() == kPageHexDigits;
            PutAnswerRecord(context, answer);
        }
    }
    const double elapsed = Millis(Clock::now() - start).count();
    return allRead ? elapsed : -1;
}

// One exchange outside the measure, so that no measured round waits for the emulated reader to
// notice that the port was opened again.
void WakeReader(MainWindow& window)
{
    QString records;
    OperationScope(window.Link(), ReaderOperation::ReadPages, records, window.Model().timeoutUnit)
        .QueryTimeout();
}

bool RunScenario(const Scenario& scenario)
{
    PtyServerOptions options;
    options.pacingBaud = scenario.pacingBaud;
    PtyReaderServer reader(ReaderEmulator{}, options);
    if (!reader.Start())
        return false;
    QFile settings(QDir::current().filePath(QStringLiteral("Orvane.ini")));
    if (!settings.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QByteArray text = "[Interface]\r\nPort=" + reader.SlavePath().toUtf8() + "\r\nBaudrate=" +
                      QByteArray::number(scenario.pacingBaud > 0 ? scenario.pacingBaud : 115200) +
                      "\r\n[Data]\r\nSelectAll=1\r\n";
    for (int page = 1; page <= kPages; ++page)
        text += "SelectP" + QByteArray::number(page) + "=1\r\n";
    settings.write(text);
    settings.close();

    MainWindow window;
    window.show();
    if (!window.Link().connected)
        return false;
    std::vector<double> floorSamples;
    std::vector<double> byteWiseSamples;
    std::vector<double> windowSamples;
    std::vector<double> exchangeSamples;
    for (int round = 0; round < scenario.rounds + kWarmUpRounds; ++round) {
        // The window holds the port exclusively; it lets go while the floor loop has it.
        window.Link().ClosePort(window);
        const double floor = MeasureFloorRound(reader.SlavePath(), false);
        const double byteWise = MeasureFloorRound(reader.SlavePath(), true);
        window.Link().ConnectPort(window);
        WakeReader(window);
        const double through = MeasureWindowRound(window);
        const double exchanges = MeasureExchangeRound(window);
        if (floor < 0 || byteWise < 0 || through < 0 || exchanges < 0) {
            std::fprintf(stderr, "%s: round %d failed\n", scenario.name, round);
            return false;
        }
        if (round >= kWarmUpRounds) {
            floorSamples.push_back(floor);
            byteWiseSamples.push_back(byteWise);
            windowSamples.push_back(through);
            exchangeSamples.push_back(exchanges);
        }
    }
    // The same read through ser2net, which opens the device only now that the floor loop is done.
    Ser2netServer server(reader.SlavePath(), QStringLiteral("rfc2217"));
    window.Link().ClosePort(window);
    window.Link().portName = server.PortName();
    if (!server.Start())
        return false;
    window.Link().ConnectPort(window);
    std::vector<double> networkSamples;
    for (int round = 0; round < scenario.rounds + kWarmUpRounds; ++round) {
        WakeReader(window);
        const double through = window.Link().connected ? MeasureWindowRound(window) : -1;
        if (through < 0) {
            std::fprintf(stderr, "%s: round %d through ser2net failed\n", scenario.name, round);
            return false;
        }
        if (round >= kWarmUpRounds)
            networkSamples.push_back(through);
    }
    window.close();
    const double networkMedian = Median(networkSamples);
    const double floorMedian = Median(floorSamples);
    const double windowMedian = Median(windowSamples);
    const double exchangeMedian = Median(exchangeSamples);
    const double byteWiseMedian = Median(byteWiseSamples);
    std::printf("%-13s rounds %3d  medians: floor %8.2f ms (a byte a call %8.2f ms)  window %8.2f "
                "ms  exchanges alone %8.2f ms\n"
                "%-13s ratios: window/exchanges %5.2f  window/floor %5.2f  "
                "window/byte-a-call floor %5.2f  exchanges/floor %5.2f\n",
                scenario.name, scenario.rounds, floorMedian, byteWiseMedian, windowMedian,
                exchangeMedian, "", windowMedian / exchangeMedian, windowMedian / floorMedian,
                windowMedian / byteWiseMedian, exchangeMedian / floorMedian);
    std::printf("%-13s through ser2net (rfc2217, loopback): window %8.2f ms, %5.2f x the window on "
                "the local pseudo-terminal\n",
                "", networkMedian, networkMedian / windowMedian);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    UseOffscreenPlatformUnlessAsked();
    QApplication application(argc, argv);
    QTemporaryDir folder;
    if (!EnterFreshFolder(folder))
        return 1;
    std::printf("read all 17 pages: TOR + 17 RD per round\n");
    for (const Scenario& scenario : kScenarios) {
        if (!RunScenario(scenario))
            return 1;
    }
    return 0;
}
