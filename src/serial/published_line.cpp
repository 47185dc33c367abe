#include "serial/published_line.h"

void PublishedLine::Publish(QByteArrayView bytes, bool cut)
{
    ++untaken;
    if (waitingCount >= kMaxWaiting)
        return;
    std::lock_guard lock(mutex);
    if (waiting.size() < kMaxWaiting) {
        waiting.push_back(CompletedLine{bytes.toByteArray(), cut});
        waitingCount = waiting.size();
    }
}

std::optional<CompletedLine> PublishedLine::Take()
{
    std::lock_guard lock(mutex);
    if (waiting.empty())
        return std::nullopt;
    std::optional<CompletedLine> taken = std::move(waiting.front());
    waiting.pop_front();
    waitingCount = waiting.size();
    --untaken;
    return taken;
}

int PublishedLine::Drop()
{
    std::lock_guard lock(mutex);
    waiting.clear();
    waitingCount = 0;
    return untaken.exchange(0);
}
