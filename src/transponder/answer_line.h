#pragma once

struct SerialLink;

// Right before a command is sent: forgets the bytes and lines the reader sent so far and resets
// the line event, so a stray line that came in since the last answer is not taken for the
// command's answer.
void DiscardEarlierLines(SerialLink& link);
