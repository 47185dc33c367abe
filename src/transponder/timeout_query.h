#pragma once

struct ExchangeContext;

// Forgets what came in before, asks the reader for its timeout value ("TOR") and waits at most 4
// timeout units for the answer; when none comes, drains the late one (DrainLateLine). A TOR answer
// (TimeoutAnswerValue: a plain number from 1 to 255) makes the timeout unit v * factor. A line that
// is no TOR answer (16 HEX digits, "ACK", ...) is a late answer to an earlier command, so the line
// is out of step: the query drains the late TOR answer and asks once more. When no TOR answer comes
// (none, or none after the second question, or TOR could not be sent) the unit stays as it was.
// Leaves no record in the terminal.
void TimeoutQuery(ExchangeContext& context, int factor);
