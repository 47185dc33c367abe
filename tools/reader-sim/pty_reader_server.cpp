#include "reader-sim/pty_reader_server.h"

#include "platform/line_speed.h"

#include <QFile>
#include <poll.h>
#include <unistd.h>

namespace {

constexpr std::chrono::milliseconds kServePollPeriod{5};
constexpr int kBitsPerByte = 10; // start bit, 8 data bits, stop bit
constexpr std::size_t kReadChunk = 256;

} // namespace

PtyReaderServer::PtyReaderServer(ReaderEmulator emulator, PtyServerOptions options)
    : emulator(std::move(emulator)), options(std::move(options))
{
}

PtyReaderServer::~PtyReaderServer()
{
    Stop();
}

bool PtyReaderServer::Start()
{
    if (server.joinable())
        return false;
    pty.emplace();
    if (!pty->IsOpen())
        return false;
    if (!options.linkPath.isEmpty()) {
        QFile::remove(options.linkPath);
        if (!QFile::link(pty->SlavePath(), options.linkPath)) {
            Stop();
            return false;
        }
    }
    stopping = false;
    server = std::thread([this] { Serve(); });
    return true;
}

QString PtyReaderServer::SlavePath() const
{
    return pty ? pty->SlavePath() : QString();
}

void PtyReaderServer::Stop()
{
    stopping = true;
    if (server.joinable())
        server.join();
    if (!options.linkPath.isEmpty() && !SlavePath().isEmpty())
        QFile::remove(options.linkPath);
    std::lock_guard lock(writeMutex);
    if (pty)
        pty->Close();
}

void PtyReaderServer::Configure(const std::function<void(ReaderEmulator&)>& change)
{
    std::lock_guard lock(emulatorMutex);
    change(emulator);
}

QByteArray PtyReaderServer::ReceivedBytes() const
{
    std::lock_guard lock(emulatorMutex);
    return emulator.ReceivedBytes();
}

void PtyReaderServer::ClearReceivedBytes()
{
    std::lock_guard lock(emulatorMutex);
    emulator.ClearReceivedBytes();
}

std::optional<std::uint32_t> PtyReaderServer::ClientLineSpeed()
{
    std::lock_guard lock(writeMutex);
    return pty && pty->IsOpen() ? ReadLineSpeed(pty->Descriptor()) : std::nullopt;
}

bool PtyReaderServer::SendRaw(const QByteArray& bytes)
{
    std::lock_guard lock(writeMutex);
    return pty && pty->Write(bytes);
}

void PtyReaderServer::Serve()
{
    char buffer[kReadChunk];
    while (!stopping) {
        pollfd entry{pty->Descriptor(), POLLIN, 0};
        const int ready = ::poll(&entry, 1, static_cast<int>(kServePollPeriod.count()));
        if (ready <= 0 || (entry.revents & POLLIN) == 0) {
            // While no client has the port open the master reports a hang-up at once: do not spin.
            if (ready > 0)
                SleepUnlessStopping(kServePollPeriod);
            continue;
        }
        const ssize_t count = ::read(pty->Descriptor(), buffer, sizeof buffer);
        if (count <= 0) {
            SleepUnlessStopping(kServePollPeriod);
            continue;
        }
        QByteArray answer;
        std::chrono::milliseconds delay = options.latency;
        {
            std::lock_guard lock(emulatorMutex);
            answer = emulator.Feed(QByteArray(buffer, count));
            delay += emulator.AnswerDelay();
        }
        if (answer.isEmpty())
            continue;
        SleepUnlessStopping(delay);
        WriteAnswer(answer);
    }
}

bool PtyReaderServer::WriteAnswer(const QByteArray& bytes)
{
    if (options.pacingBaud <= 0)
        return SendRaw(bytes);
    const std::chrono::microseconds perByte(1'000'000LL * kBitsPerByte / options.pacingBaud);
    for (char byte : bytes) {
        if (stopping || !SendRaw(QByteArray(1, byte)))
            return false;
        SleepUnlessStopping(perByte);
    }
    return true;
}

void PtyReaderServer::SleepUnlessStopping(std::chrono::microseconds duration) const
{
    const auto end = std::chrono::steady_clock::now() + duration;
    while (!stopping && std::chrono::steady_clock::now() < end) {
        const auto left = end - std::chrono::steady_clock::now();
        std::this_thread::sleep_for(
            std::min<std::chrono::steady_clock::duration>(left, std::chrono::milliseconds(5)));
    }
}
