#pragma once

#include <QString>

// Rules that decide whether a kept reader answer counts as a success.

// True when text holds "No Read", "#09" or "XXXXXXXX" anywhere (case-sensitive).
bool ContainsErrorMark(const QString& text);

// A page read (RD) succeeded: exactly 16 characters kept and no error mark. A 14- or 15-character
// line reaches 16 with its line end and counts.
bool IsGoodPageAnswer(const QString& kept);

// A UID read (RUID) succeeded: exactly 8 characters kept and no error mark.
bool IsGoodUidAnswer(const QString& kept);

// A write (WD) or lock (LD) was acknowledged: the kept 3 characters are exactly "ACK", so "ACK"
// followed by more text counts.
bool IsAcknowledged(const QString& kept);

// A read run goes on to the next selected page only while the last uncut answer was at least a
// page long (16 characters); a timeout, "No Read" or any shorter line stops it.
bool ReadRunContinues(int lastAnswerLength);
