#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <functional>
#include <mutex>
#include <vector>

// Received lines as they wait for the terminal: their Latin-1 bytes back to back, oldest first,
// and where each line ends in them.
struct TerminalLines
{
    QByteArray bytes;
    std::vector<qsizetype> ends;
};

// Hands received lines from the receive thread to the GUI thread without ever waiting for it.
//
// The receive thread pushes lines, one by one or several staged lines at once; the first push
// after a take calls the wake callback (the window posts a queued call from it), later pushes only
// add to the batch. The GUI thread takes all
// waiting lines at once. Before it shows them, the GUI side checks the read-busy and write-busy
// flags again: an operation that started after the lines were pushed owns the terminal.
//
// Lines wait as their bytes, back to back in one buffer, so a push allocates nothing most of the
// time. Of a batch only the newest kKeptLines lines are sure to be kept: no terminal shows more,
// so a flood that the GUI thread is slow to take cannot grow the batch without bound. A take
// leaves the queue without the batch's storage.
class TerminalLineQueue
{
public:
    static constexpr qsizetype kKeptLines = 20000;

    // GUI thread, before the receive thread starts: what to call when lines start waiting.
    void SetWakeCallback(std::function<void()> callback);

    // Receive thread: adds a line (Latin-1 bytes); calls the wake callback (outside the lock)
    // unless a wake is already pending.
    void Push(QByteArrayView line);

    // Receive thread: keeps a line for the next PushStaged, which adds every staged line under
    // one lock and wakes as Push does.
    void Stage(QByteArrayView line);
    void PushStaged();

    // GUI thread: every waiting line, oldest first, as they wait (no copy); the next push wakes
    // again.
    TerminalLines TakeAll();

private:
    void DropAllButNewestKept();

    QByteArray staged; // receive thread only
    std::vector<qsizetype> stagedEnds;

    std::mutex mutex;
    TerminalLines waiting;
    bool wakePending = false;
    std::function<void()> wake;
};
