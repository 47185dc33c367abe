#pragma once

#include <QByteArray>
#include <mutex>

// The last complete line, copied out of the receive thread's buffer under a lock, so a reader on
// another thread always gets a whole line, never one being overwritten.
class PublishedLine
{
public:
    // Receive thread: replaces the published line.
    void Publish(const QByteArray& line);

    // Any thread: a copy of the last published line (its bytes and CR LF); empty before the first.
    QByteArray TakeLine() const;

private:
    mutable std::mutex mutex;
    QByteArray line;
};
