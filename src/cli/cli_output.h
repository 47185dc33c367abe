#pragma once

#include "cli/cli_report.h"

#include <QString>

// The report as lines a shell loop can read: "P3 0123456789ABCDEF" for a page read, "P3 ANSWER
// failed" for a failed one ("P3 failed" when nothing came), "P3 ANSWER refused" or "mismatch"
// likewise, "P3 [DATA] RESULT" otherwise; the UID or the
// carrier ID alone on its line when read, followed by its result otherwise.
QString ReportText(const CliReport& report);

// The report as one JSON document.
QString ReportJson(const CliReport& report);
