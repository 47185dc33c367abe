#include "serial/published_line.h"

void PublishedLine::Publish(QByteArrayView bytes, bool cut)
{
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
    waiting.reset();
    lineWaiting = false;
    return taken;
}

void PublishedLine::Drop()
{
    std::lock_guard lock(mutex);
    waiting.reset();
    lineWaiting = false;
}
