#pragma once

#include "reader-sim/raw_pty_master.h"
#include "reader-sim/reader_emulator.h"

#include <QByteArray>
#include <QString>
#include <atomic>
#include <chrono>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>

// How the server shapes its answers in time, and where it announces itself.
struct PtyServerOptions
{
    std::chrono::milliseconds latency{0}; // added before every answer
    int pacingBaud = 0;                   // above 0: answers trickle out at this line speed
    QString linkPath;                     // when set, a symlink to the slave device placed here
};

// Serves a ReaderEmulator on a pseudo-terminal from its own thread. Clients open SlavePath() like a
// serial port; the server holds only the master, as a reader holds only its end of the cable, and
// bytes it sends while no client has the port open wait for the next one. All member functions
// may be called from any thread.
class PtyReaderServer
{
public:
    explicit PtyReaderServer(ReaderEmulator emulator = {}, PtyServerOptions options = {});
    ~PtyReaderServer();
    PtyReaderServer(const PtyReaderServer&) = delete;
    PtyReaderServer& operator=(const PtyReaderServer&) = delete;

    // Creates the pseudo-terminal (raw, no echo), places the symlink and starts serving. Returns
    // false, with nothing left open, when any step fails or the server already runs.
    bool Start();

    // The slave device path clients open; empty before Start.
    QString SlavePath() const;

    // Stops serving and closes the pseudo-terminal and the symlink; clients see a hang-up.
    void Stop();

    // Unplugs the reader: same as Stop, named for tests that simulate a vanished device.
    void Vanish() { Stop(); }

    // Runs change on the emulator under the server's lock (faults, pages, UID ...).
    void Configure(const std::function<void(ReaderEmulator&)>& change);

    // Every byte clients sent so far; ClearReceivedBytes forgets them.
    QByteArray ReceivedBytes() const;
    void ClearReceivedBytes();

    // The line speed the client set; nothing before Start or when the query fails.
    std::optional<std::uint32_t> ClientLineSpeed();

    // Sends bytes to the client at once, as a reader that speaks unasked.
    bool SendRaw(const QByteArray& bytes);

private:
    void Serve();
    bool WriteAnswer(const QByteArray& bytes);
    void SleepUnlessStopping(std::chrono::microseconds duration) const;

    ReaderEmulator emulator;
    const PtyServerOptions options;
    mutable std::mutex emulatorMutex;
    std::mutex writeMutex;
    std::optional<RawPtyMaster> pty; // replaced by Start, closed by Stop
    std::atomic<bool> stopping{false};
    std::thread server;
};
