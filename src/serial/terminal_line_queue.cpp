#include "serial/terminal_line_queue.h"

#include <utility>

void TerminalLineQueue::SetWakeCallback(std::function<void()> callback)
{
    std::lock_guard lock(mutex);
    wake = std::move(callback);
}

void TerminalLineQueue::Push(QByteArrayView line)
{
    Stage(line);
    PushStaged();
}

void TerminalLineQueue::Stage(QByteArrayView line)
{
    staged.append(line);
    stagedEnds.push_back(staged.size());
}

void TerminalLineQueue::PushStaged()
{
    if (stagedEnds.empty())
        return;
    std::function<void()> wakeNow;
    {
        std::lock_guard lock(mutex);
        // Dropping lines only once twice the kept ones wait keeps the cost of a line constant on
        // average.
        if (std::ssize(ends) >= 2 * kKeptLines)
            DropAllButNewestKept();
        const qsizetype start = bytes.size();
        bytes.append(staged);
        for (const qsizetype end : stagedEnds)
            ends.push_back(start + end);
        if (!wakePending) {
            wakePending = true;
            wakeNow = wake;
        }
    }
    staged.clear();
    stagedEnds.clear();
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

void TerminalLineQueue::DropAllButNewestKept()
{
    const auto firstKept = ends.end() - kKeptLines;
    const qsizetype cut = *(firstKept - 1);
    bytes.remove(0, cut);
    ends.erase(ends.begin(), firstKept);
    for (qsizetype& end : ends)
        end -= cut;
}
