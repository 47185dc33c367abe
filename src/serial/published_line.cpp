#include "serial/published_line.h"

void PublishedLine::Publish(QByteArrayView bytes, bool cut)
{
    std::lock_guard lock(mutex);
    if (!waiting)
        waiting = CompletedLine{bytes.toByteArray(), cut};
}

std::optional<CompletedLine> PublishedLine::Take()
{
    std::lock_guard lock(mutex);
    std::optional<CompletedLine> taken = std::move(waiting);
    waiting.reset();
    return taken;
}

void PublishedLine::Drop()
{
    std::lock_guard lock(mutex);
    waiting.reset();
}
