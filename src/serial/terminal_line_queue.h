#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QStringList>
#include <functional>
#include <mutex>
#include <vector>

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

    // GUI thread: every waiting line, oldest first; the next push wakes again.
    QStringList TakeAll();

private:
    void DropAllButNewestKept();

    QByteArray staged; // receive thread only
    std::vector<qsizetype> stagedEnds;

    std::mutex mutex;
    QByteArray bytes;            // the waiting lines, oldest first
    std::vector<qsizetype> ends; // where each waiting line ends in bytes
    bool wakePending = false;
    std::function<void()> wake;
};
