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
        if (std::ssize(waiting.ends) >= 2 * kKeptLines)
            DropAllButNewestKept();
        const qsizetype start = waiting.bytes.size();
        waiting.bytes.append(staged);
        for (const qsizetype end : stagedEnds)
            waiting.ends.push_back(start + end);
        if (!wakePending) {
            wakePending = true;
            wakeNow = wake;
        }
    }
    // Emptied, not freed: the next read stages into the same storage.
    staged.resize(0);
    stagedEnds.clear();
    if (wakeNow)
        wakeNow();
}

TerminalLines TerminalLineQueue::TakeAll()
{
    std::lock_guard lock(mutex);
    wakePending = false;
    return std::exchange(waiting, {});
}

void TerminalLineQueue::DropAllButNewestKept()
{
    const auto firstKept = waiting.ends.end() - kKeptLines;
    const qsizetype cut = *(firstKept - 1);
    waiting.bytes.remove(0, cut);
    waiting.ends.erase(waiting.ends.begin(), firstKept);
    for (qsizetype& end : waiting.ends)
        end -= cut;
}
