#include "serial/published_line.h"

void PublishedLine::Publish(QByteArrayView bytes, bool cut)
{
    ++untaken;
    if (lineWaiting)
        return;
    std::lock_guard lock(mutex);
    if (!waiting) {
        waiting = CompletedLine{bytes.toByteArray(), cut};
        lineWaiting = true;
    }
}

std::optional<CompletedLine> PublishedLine::Take()
{
    std::lock_guard lock(mutex);
    std::optional<CompletedLine> taken = std::move(waiting);
    if (taken)
        --untaken;
    waiting.reset();
    lineWaiting = false;
    return taken;
}

int PublishedLine::Drop()
{
    std::lock_guard lock(mutex);
    waiting.reset();
    lineWaiting = false;
    return untaken.exchange(0);
}
