#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <atomic>
#include <mutex>
#include <optional>

// A completed line as the receive thread hands it over.
struct CompletedLine
{
    QByteArray bytes; // the line's bytes up to the first NUL, then CR LF
    bool cut = false; // the line was longer than the line buffer and lost bytes
};

// The line waiting for an exchange, copied out of the receive thread's buffer under a lock, so a
// reader on another thread always gets a whole line, never one being overwritten. The first line
// that completes after a Take or Drop waits; later lines do not replace it, so an answer followed
// at once by a stray line is still the line taken.
class PublishedLine
{
public:
    // Receive thread: offers a completed line; a copy is kept only when no line is waiting.
    void Publish(QByteArrayView bytes, bool cut);

    // Any thread: takes the waiting line; nothing when none waits.
    std::optional<CompletedLine> Take();

    // Any thread: forgets the waiting line. Returns how many lines completed since the last Take
    // or Drop and were not taken, those that came while one was waiting included.
    int Drop();

private:
    std::mutex mutex;
    std::optional<CompletedLine> waiting;
    // Whether waiting holds a line, changed under the lock: a flood of lines that would not be
    // kept passes without taking it.
    std::atomic<bool> lineWaiting{false};
    std::atomic<int> untaken{0}; // lines offered and neither taken nor dropped
};
