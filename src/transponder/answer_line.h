#pragma once

#include "serial/published_line.h"

#include <QByteArray>
#include <QString>

#include <chrono>
#include <optional>

class ReceiveThread;
struct SerialLink;

// Right before a command is sent: forgets the bytes and lines the reader sent so far and resets
// the line event, so a stray line that came in since the last answer is not taken for the
// command's answer.
void DiscardEarlierLines(SerialLink& link);

// Waits at most `wait` for the receive thread's line event. When it is signalled, takes the
// published line (a whole line, never one being written; empty bytes if none waits) and resets the
// event. Returns nothing on a timeout and leaves the event alone.
std::optional<CompletedLine> AwaitAnswerLine(ReceiveThread& receiveThread,
                                             std::chrono::milliseconds wait);

// The answer text of a published line: its bytes up to the first zero byte, one character per
// byte. A leading LF is the end of the previous line of a reader that ends lines with CR LF, not
// part of this answer, and is dropped.
QString AnswerTextOf(const QByteArray& line);
