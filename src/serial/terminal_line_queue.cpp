#include "serial/terminal_line_queue.h"

void TerminalLineQueue::SetWakeCallback(std::function<void()> callback)
{
    std::lock_guard lock(mutex);
    wake = std::move(callback);
}

void TerminalLineQueue::Push(const QString& line)
{
    std::function<void()> wakeNow;
    {
        std::lock_guard lock(mutex);
        lines.append(line);
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
    std::lock_guard lock(mutex);
    wakePending = false;
    return std::exchange(lines, {});
}
