#pragma once

#include "serial/published_line.h"

#include <chrono>
#include <optional>

struct ReaderCommand;
struct SerialLink;

// Right before a command is sent: forgets the bytes and lines the reader sent so far and resets
// the line event, so a stray line that came in since the last answer is not taken for the
// command's answer. Each whole line forgotten pays off an answer the reader owed.
void DiscardEarlierLines(SerialLink& link);

// The answer to command, sent last: waits until deadline for a completed line and passes over the
// late answers (IsOwedAnswer), with the lines that came in the same burst right behind one.
// Returns nothing when no other line came in time.
std::optional<CompletedLine> AwaitAnswerLine(SerialLink& link, const ReaderCommand& command,
                                             std::chrono::steady_clock::time_point deadline);

// Whether line, which came while command awaits its answer, is a late answer to an earlier
// command; if it was owed it is paid off. A TOR answer is never the answer to another command.
// With answers owed: a TOR answer is TOR's answer whatever else is owed (it pays
// off one owed answer); for other commands a line pays off an owed TOR answer when it is a TOR
// answer, else an owed answer to another command, else (only TOR answers owed) it is the
// command's answer when it is a good one, which a TOR answer never is.
bool IsOwedAnswer(SerialLink& link, const ReaderCommand& command, const CompletedLine& line);

// Right after a wait of `wait` for command's answer ran out: the reader may still be answering.
// Waits at most `wait` more and discards the first line that completes in that time (owed lines
// passed over), so a late answer is never taken for the answer of the next command. Returns
// whether a late line came.
bool DrainLateLine(SerialLink& link, const ReaderCommand& command, std::chrono::milliseconds wait);

// After command's wait and drain (of `wait` each) both passed without a line: the reader owes its
// answer, which the link expects for kOwedAnswerWaits more waits.
void OweAnswer(SerialLink& link, const ReaderCommand& command, std::chrono::milliseconds wait);

// Before the link closes: waits for the answers the reader still owes until each came or none is
// expected any more, so that the next program on the port does not take them for its own.
void AwaitOwedAnswers(SerialLink& link);
