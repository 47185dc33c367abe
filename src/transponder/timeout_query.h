#pragma once

struct ExchangeContext;

// Forgets what came in before, asks the reader for its timeout value ("TOR") and waits at most 4 timeout units for the answer.
// An answer v from 1 to 255 makes the timeout unit v * factor; anything else (no answer, a command
// that could not be sent, 0, a negative number, above 255, no leading digits) leaves it as it was.
// Leaves no record in the terminal.
void TimeoutQuery(ExchangeContext& context, int factor);
