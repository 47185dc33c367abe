#include "serial/published_line.h"

void PublishedLine::Publish(const QByteArray& value)
{
    std::lock_guard lock(mutex);
    line = value;
    line.detach(); // the copy must not share storage with the receive thread's data
}

QByteArray PublishedLine::TakeLine() const
{
    std::lock_guard lock(mutex);
    QByteArray copy = line;
    copy.detach();
    return copy;
}
