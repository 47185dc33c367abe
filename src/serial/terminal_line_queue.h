#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <mutex>

// Hands received lines from the receive thread to the GUI thread without ever waiting for it.
//
// The receive thread pushes each line; the first push after a take calls the wake callback (the
// window posts a queued call from it), later pushes only add to the batch. The GUI thread takes all
// waiting lines at once. Before it shows them, the GUI side checks the read-busy and write-busy
// flags again: an operation that started after the lines were pushed owns the terminal.
class TerminalLineQueue
{
public:
    // GUI thread, before the receive thread starts: what to call when lines start waiting.
    void SetWakeCallback(std::function<void()> callback);

    // Receive thread: adds a line; calls the wake callback (outside the lock) unless a wake is
    // already pending.
    void Push(const QString& line);

    // GUI thread: every waiting line, oldest first; the next push wakes again.
    QStringList TakeAll();

private:
    std::mutex mutex;
    QStringList lines;
    bool wakePending = false;
    std::function<void()> wake;
};
