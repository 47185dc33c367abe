#pragma once

#include <QByteArray>
#include <QString>

#include <chrono>
#include <optional>

// How an exchange ended: with an answer line, with none within the wait, or before the command
// went out.
enum class ExchangeEnd { Answered, NoAnswer, NotSent };

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
