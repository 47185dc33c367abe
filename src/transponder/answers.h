#pragma once

#include <QByteArray>
#include <QString>
#include <chrono>
#include <optional>

// How an exchange ended: with an answer line, with none within the wait, before the command went
// out, or stopped by the operator (while it waited, or before its command went out).
enum class ExchangeEnd { Answered, NoAnswer, NotSent, Stopped };

// What one exchange hands back: the kept part of the answer and how long the answer was before it
// was cut (a read run stops after an answer shorter than a page).
struct ExchangeResult
{
    QString kept;         // the first K characters of the answer; may be empty or end in CR/LF
    int answerLength = 0; // characters of the whole answer text, 0 when nothing came
    bool cut = false;     // the answer line did not fit the line buffer and lost bytes
    QString whole;        // the whole answer text, line end included; empty when nothing came
    ExchangeEnd end = ExchangeEnd::Answered;
    std::chrono::milliseconds wait{0}; // how long the answer was awaited; 0 when not sent
};

// The answer text of a received line: its bytes up to the first zero byte, one character per
// byte. A leading LF is the end of the previous line of a reader that ends lines with CR LF, not
// part of this answer, and is dropped.
QString AnswerTextOf(const QByteArray& line);

// Cuts an answer to keptChars characters (the whole answer when keptChars is none or the answer is
// shorter) and notes the whole answer and its length. A negative keptChars keeps nothing.
ExchangeResult KeepAnswer(const QString& answer, std::optional<int> keptChars);

// text without its CR and LF characters: what a field shows of an answer.
QString WithoutLineEnds(QString text);

// The terminal record of an answer: the kept part followed by CR LF.
QString AnswerRecord(const QString& kept);

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

// The value of a TOR answer, when the answer is one: nothing but a decimal number of at most 3
// digits (leading blanks, an optional sign, digits) and blanks or line ends after it, whose value
// read as a decimal integer is 1 to 255. Anything else (no answer, 0, negative, above 255, no
// leading digits, a number followed by other text, a page of 16 HEX digits even when they are all
// decimal digits, "ACK") is no TOR answer and gives nothing.
std::optional<int> TimeoutAnswerValue(const QString& torAnswer);
