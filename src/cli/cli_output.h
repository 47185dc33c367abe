#pragma once

#include "cli/cli_report.h"

#include <QString>

// An outcome as a line a shell loop can read: "P3 0123456789ABCDEF" for a page read, "P3 [DATA]
// RESULT" for one written, locked, verified or not reached, "P3 LINE RESULT" with the reader's
// whole answer line for one refused, without transponder or mismatched, "P3 no-answer within N ms"
// and "P3 not-sent"; the carrier ID alike without a label (alone on its line when read), the UID
// with the label "UID" when labelUid, else without.
QString OutcomeText(const Outcome& outcome, bool labelUid);

// An outcome as one JSON object on one line: "item" (page, uid or carrierId), the page number, the
// data, the kept answer, the whole answer line, the result and, for no-answer, the wait in ms.
QString OutcomeJsonLine(const Outcome& outcome);

// What a run that a stop signal ended did, as one line: "interrupted after P8: P1-P8 written,
// P9-P17 not written" (the pages of each result, in the order the results came).
QString InterruptedText(const CliReport& report);

// The run as one JSON object on one line, after its outcomes: the command, the port, ok, the
// commands sent, the exit status and, when a stop signal ended it, the signal and InterruptedText.
QString SummaryJsonLine(const CliReport& report, int status);

// A failure that ended the run as one JSON object on one line: {"error": kind, "message": text},
// the kind named after the exit status (usage, port, file).
QString ErrorJsonLine(int status, const QString& message);
