#pragma once

#include <chrono>

struct SerialLink;

// Right before a command is sent: forgets the bytes and lines the reader sent so far and resets
// the line event, so a stray line that came in since the last answer is not taken for the
// command's answer.
void DiscardEarlierLines(SerialLink& link);

// Right after a wait for an answer ran out: the reader may still be answering. Waits at most
// `wait` more and discards the first line that completes in that time, so a late answer is never
// taken for the answer of the next command. Returns whether a late line came.
bool DrainLateLine(SerialLink& link, std::chrono::milliseconds wait);
