#pragma once

#include "transponder/exchange_result.h"

#include <QString>

// Rules that decide whether a kept reader answer counts as a success.

// True when text holds "No Read", "#09" or "XXXXXXXX" anywhere (case-sensitive).
bool ContainsErrorMark(const QString& text);

// The reader says no transponder is in its field: the whole answer holds "No Read".
bool SaysNoTransponder(const QString& wholeAnswer);

// A page read (RD) succeeded: the 16 kept characters are all hexadecimal digits (so no error mark
// and no line end of a shorter line) and the line fitted the line buffer. A longer line is judged
// on its first 16 characters.
bool IsGoodPageAnswer(const ExchangeResult& answer);

// A UID read (RUID) succeeded: 8 characters kept, none a control character (so no line end of a
// shorter line), no error mark, and the line fitted the line buffer.
bool IsGoodUidAnswer(const ExchangeResult& answer);

// A write (WD) or lock (LD) was acknowledged: the kept 3 characters are exactly "ACK", so "ACK"
// followed by more text counts.
bool IsAcknowledged(const ExchangeResult& answer);

// A TOR answer: the whole answer is a timeout value (TimeoutAnswerValue).
bool IsTimeoutAnswer(const ExchangeResult& answer);

// A read run goes on to the next selected page only while the last uncut answer was at least a
// page long (16 characters); a timeout, "No Read" or any shorter line stops it.
bool ReadRunContinues(int lastAnswerLength);
