// One command/answer exchange through SerialLink and its receive thread against the emulated
// reader, measured against a floor: a plain blocking write and read loop on a pseudo-terminal.

#include "reader-sim/pty_reader_server.h"
#include "serial/link_error_reporter.h"
#include "serial/serial_link.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <optional>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Micros = std::chrono::duration<double, std::micro>;

constexpr int kRounds = 2000;
constexpr int kWarmUp = 50;
const QByteArray kCommand = QByteArrayLiteral("RD 1\r");
const QByteArray kAnswer = QByteArrayLiteral("08090A0B0C0D0E0F\r");

class PrintingReporter : public LinkErrorReporter
{
public:
    void ShowLinkError(const QString& text) override
    {
        std::fprintf(stderr, "link error: %s\n", text.toLocal8Bit().constData());
    }
};

struct Figures
{
    double median = 0;
    double p99 = 0;
};

Figures Summarise(std::vector<double> samples)
{
    std::sort(samples.begin(), samples.end());
    return {samples[samples.size() / 2], samples[samples.size() * 99 / 100]};
}

bool WriteAll(int descriptor, const QByteArray& bytes)
{
    return ::write(descriptor, bytes.constData(), bytes.size()) == bytes.size();
}

bool ReadUntilCarriageReturn(int descriptor)
{
    char byte = 0;
    while (::read(descriptor, &byte, 1) == 1) {
        if (byte == '\r')
            return true;
    }
    return false;
}

// The floor: a thread on the master answers each CR-ended command with a fixed line; the client
// writes the command in one call and blocks reading the answer.
std::vector<double> MeasureFloor()
{
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0)
        return {};
    const int client = ::open(::ptsname(master), O_RDWR | O_NOCTTY);
    termios attributes{};
    ::tcgetattr(client, &attributes);
    cfmakeraw(&attributes);
    attributes.c_cc[VMIN] = 1;
    attributes.c_cc[VTIME] = 0;
    ::tcsetattr(client, TCSANOW, &attributes);

    std::thread answerer([master] {
        for (int round = 0; round < kRounds + kWarmUp; ++round) {
            if (!ReadUntilCarriageReturn(master) || !WriteAll(master, kAnswer))
                return;
        }
    });
    std::vector<double> samples;
    for (int round = 0; round < kRounds + kWarmUp; ++round) {
        const auto start = Clock::now();
        if (!WriteAll(client, kCommand) || !ReadUntilCarriageReturn(client))
            break;
        if (round >= kWarmUp)
            samples.push_back(Micros(Clock::now() - start).count());
    }
    answerer.join();
    ::close(client);
    ::close(master);
    return samples;
}

std::vector<double> MeasureExchange()
{
    PtyReaderServer reader;
    if (!reader.Start())
        return {};
    PrintingReporter reporter;
    SerialLink link;
    link.portName = reader.SlavePath();
    link.baudRate = 115200;
    // As during an operation: no terminal hand-off.
    const ReceiveThread::BusyScope busy(link.receiveThread, ReceiveThread::Busy::Read);
    link.ConnectPort(reporter);
    if (!link.connected)
        return {};
    const QString command = QString::fromLatin1(kCommand);
    std::vector<double> samples;
    for (int round = 0; round < kRounds + kWarmUp; ++round) {
        const auto start = Clock::now();
        link.receiveThread.DiscardReceived(link.portHandle.get());
        if (link.WriteText(command) != 0)
            break;
        const std::optional<CompletedLine> answer =
            link.receiveThread.AwaitLine(std::chrono::seconds(5));
        if (!answer)
            break;
        const QByteArray& line = answer->bytes;
        if (round >= kWarmUp)
            samples.push_back(Micros(Clock::now() - start).count());
        if (line != kAnswer + '\n') {
            std::fprintf(stderr, "unexpected answer in round %d\n", round);
            break;
        }
    }
    link.ClosePort(reporter);
    return samples;
}

} // namespace

int main()
{
    const std::vector<double> floorSamples = MeasureFloor();
    const std::vector<double> exchangeSamples = MeasureExchange();
    if (floorSamples.size() != kRounds || exchangeSamples.size() != kRounds) {
        std::fprintf(stderr, "measurement failed (%zu floor, %zu exchange rounds)\n",
                     floorSamples.size(), exchangeSamples.size());
        return 1;
    }
    const Figures floor = Summarise(floorSamples);
    const Figures exchange = Summarise(exchangeSamples);
    std::printf("rounds: %d\n", kRounds);
    std::printf("floor (blocking pty write/read):  median %8.1f us  p99 %8.1f us\n", floor.median,
                floor.p99);
    std::printf("exchange (SerialLink + thread):   median %8.1f us  p99 %8.1f us\n",
                exchange.median, exchange.p99);
    std::printf("ratio exchange/floor:             median %8.2f     p99 %8.2f\n",
                exchange.median / floor.median, exchange.p99 / floor.p99);
    return 0;
}
