#include "serial/terminal_line_queue.h"

#include <utility>

void TerminalLineQueue::SetWakeCallback(std::function<void()> callback)
{
    std::lock_guard lock(mutex);
    wake = std::move(callback);
}

void TerminalLineQueue::Push(QByteArrayView line)
{
    std::function<void()> wakeNow;
    {
        std::lock_guard lock(mutex);
        // Dropping a whole kKeptLines at a time keeps the cost of a push constant on average.
        if (std::ssize(ends) == 2 * kKeptLines)
            DropOldestKept();
        bytes.append(line);
        ends.push_back(bytes.size());
        if (wakePending)
            return;
        wakePending = true;
        wakeNow = wake;
    }
    if (wakeNow)
        wakeNow();
}

QStringList TerminalLineQueue::TakeAll()
{
    QByteArray taken;
    std::vector<qsizetype> takenEnds;
    {
        std::lock_guard lock(mutex);
        wakePending = false;
        taken = std::exchange(bytes, {});
        takenEnds = std::exchange(ends, {});
    }
    QStringList lines;
    lines.reserve(std::ssize(takenEnds));
    qsizetype start = 0;
    for (const qsizetype end : takenEnds) {
        lines.append(QString::fromLatin1(taken.constData() + start, end - start));
        start = end;
    }
    return lines;
}

void TerminalLineQueue::DropOldestKept()
{
    const qsizetype cut = ends[kKeptLines - 1];
    bytes.remove(0, cut);
    ends.erase(ends.begin(), ends.begin() + kKeptLines);
    for (qsizetype& end : ends)
        end -= cut;
}
