#include "serial/published_line.h"

void PublishedLine::Publish(const CompletedLine& line)
{
    std::lock_guard lock(mutex);
    if (waiting)
        return;
    waiting = line;
    waiting->bytes.detach(); // the copy must not share storage with the receive thread's data
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
