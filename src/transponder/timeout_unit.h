#pragma once

#include <QString>

#include <chrono>

// The timeout unit (milliseconds) that scales every wait for a reader answer.

// The unit after a TOR answer: the answer read as a decimal integer v (leading blanks, optional
// sign, digits up to the first other character; 0 without digits); for 1 <= v <= 255 the unit
// becomes v * factor (13 or 25, by operation), otherwise - no answer, 0, negative, above 255, no
// leading digits - it stays currentUnit.
int ScaledTimeoutUnit(int currentUnit, const QString& torAnswer, int factor);

// The wait for an answer: waitFactor units of timeoutUnit milliseconds, never negative.
std::chrono::milliseconds AnswerWait(int timeoutUnit, int waitFactor);
