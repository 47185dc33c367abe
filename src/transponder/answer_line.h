#pragma once

#include <QByteArray>
#include <QString>

#include <chrono>
#include <optional>

class ReceiveThread;

// Waits at most `wait` for the receive thread's next completed line and returns its answer text.
// Returns nothing on a timeout.
std::optional<QString> AwaitAnswerLine(ReceiveThread& receiveThread,
                                       std::chrono::milliseconds wait);

// The answer text of a published line: its bytes up to the first zero byte, one character per
// byte. A leading LF is the end of the previous line of a reader that ends lines with CR LF, not
// part of this answer, and is dropped.
QString AnswerTextOf(const QByteArray& line);
