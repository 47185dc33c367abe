#pragma once

struct ExchangeContext;

// Forgets what came in before, asks the reader for its timeout value ("TOR") and waits at most 4
// timeout units for the answer. A TOR answer (TimeoutAnswerValue: a plain number from 1 to 255)
// makes the timeout unit v * factor. Anything else - no answer, or a line that is no TOR answer
// (16 HEX digits, "ACK", ...), which is a late answer to an earlier command, such as one a killed
// program left behind - means the line is out of step: the query drains the late line still to
// come (one more wait) and asks once more, and drains again after a second miss. When no TOR
// answer comes the unit stays as it was. Leaves no record in the terminal.
void TimeoutQuery(ExchangeContext& context, int factor);
