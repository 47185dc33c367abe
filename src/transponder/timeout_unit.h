#pragma once

#include <QString>

#include <chrono>
#include <optional>

// The timeout unit (milliseconds) that scales every wait for a reader answer.

// The value of a TOR answer, when the answer is one: nothing but a decimal number of at most 3
// digits (leading blanks, an optional sign, digits) and blanks or line ends after it, whose value
// read as a decimal integer is 1 to 255. Anything else (no answer, 0, negative, above 255, no
// leading digits, a number followed by other text, a page of 16 HEX digits even when they are all
// decimal digits, "ACK") is no TOR answer and gives nothing.
std::optional<int> TimeoutAnswerValue(const QString& torAnswer);

// The wait for an answer: waitFactor units of timeoutUnit milliseconds, never negative.
std::chrono::milliseconds AnswerWait(int timeoutUnit, int waitFactor);
