#include "app/terminal_pane.h"

#include "serial/terminal_line_queue.h"
#include "ui/terminal_output.h"

#include <algorithm>

void ShowRecords(TerminalOutput& output, const QString& records)
{
    output.SetText(records);
}

void ShowLinesOnTop(TerminalOutput& output, const TerminalLines& oldestFirst)
{
    // Lines older than the newest kMaxOutputLines would only be cut again.
    const std::vector<qsizetype>& ends = oldestFirst.ends;
    const qsizetype oldestKept = std::max<qsizetype>(0, std::ssize(ends) - kMaxOutputLines);
    QString newestFirst;
    newestFirst.reserve(oldestFirst.bytes.size() - (oldestKept > 0 ? ends[oldestKept - 1] : 0));
    for (qsizetype i = std::ssize(ends) - 1; i >= oldestKept; --i) {
        const qsizetype start = i > 0 ? ends[i - 1] : 0;
        newestFirst += QLatin1StringView(oldestFirst.bytes.constData() + start, ends[i] - start);
    }
    output.PutOnTop(newestFirst, kMaxOutputLines);
}
