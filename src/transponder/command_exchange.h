#pragma once

#include "transponder/exchange_result.h"

#include <QString>

struct ExchangeContext;
struct ReaderCommand;

// One command and its answer. Discards what the reader sent before (DiscardEarlierLines), so only
// a line that completes after the command went out is its answer. Sends command.line; when it went
// out, puts command.echo (if any) on top of the terminal text and waits at most command.waitFactor
// timeout units for the answer line. Returns the first command.keptChars characters of the answer
// (all when none), the whole answer and its uncut length, and how the exchange ended. A command
// that could not be sent returns an empty answer at once, without echo. After a timeout the
// exchange drains the late answer (DrainLateLine, one more wait at most) before it returns an empty
// answer, so the next command, in this operation or the next, never takes it.
ExchangeResult CommandExchange(ExchangeContext& context, const ReaderCommand& command);

// Puts record (ending in CR LF) on top of the terminal text, which reads newest first.
void PutRecordOnTop(QString& terminalText, const QString& record);

// Puts the answer record of result (its kept part and CR LF) on top of the terminal text.
void PutAnswerRecord(ExchangeContext& context, const ExchangeResult& result);
