#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <atomic>
#include <cstddef>
#include <deque>
#include <mutex>
#include <optional>

// A completed line as the receive thread hands it over.
struct CompletedLine
{
    QByteArray bytes; // the line's bytes up to the first NUL, then CR LF
    bool cut = false; // the line was longer than the line buffer and lost bytes
};

// The lines waiting for an exchange, copied out of the receive thread's buffer under a lock, so a
// reader on another thread always gets a whole line, never one being overwritten. Lines are taken
// oldest first, so an answer followed at once by a stray line is still the line taken, and a line
// an exchange passes over does not hide the one right behind it.
class PublishedLine
{
public:
    // The most lines kept waiting; later ones are counted but not kept.
    static constexpr std::size_t kMaxWaiting = 16;

    // Receive thread: offers a completed line; a copy is kept while fewer than kMaxWaiting wait.
    void Publish(QByteArrayView bytes, bool cut);

    // Any thread: takes the oldest waiting line; nothing when none waits.
    std::optional<CompletedLine> Take();

    // Any thread: whether a line waits to be taken.
    bool LineWaiting() const { return waitingCount > 0; }

    // Any thread: forgets the waiting lines. Returns how many lines completed since the last Drop
    // and were not taken, those that were not kept included.
    int Drop();

private:
    std::mutex mutex;
    std::deque<CompletedLine> waiting;
    // How many lines waiting holds, changed under the lock: a flood of lines that would not be
    // kept passes without taking it.
    std::atomic<std::size_t> waitingCount{0};
    std::atomic<int> untaken{0}; // lines offered and neither taken nor dropped
};
