#pragma once

#include "cli/cli_report.h"

#include <QString>

// The report as lines a shell loop can read, one per page: "P3 0123456789ABCDEF" for a page read,
// "P3 [DATA] RESULT" for one written, locked, verified or not reached, "P3 LINE RESULT" with the
// reader's whole answer line for one refused, without transponder or mismatched, "P3 no-answer
// within N ms" and "P3 not-sent"; then the UID or the carrier ID alike without the label (alone
// on its line when read).
QString ReportText(const CliReport& report);

// The report as one JSON document: per page (and for the UID and the carrier ID) the data, the kept
// answer, the whole answer line, the result and, for no-answer, the wait in ms.
QString ReportJson(const CliReport& report);
