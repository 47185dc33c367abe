#include "app/terminal_pane.h"

#include "ui/terminal_output.h"

#include <algorithm>

void TerminalPane::PutOnTop(const QString& record)
{
    outputText = KeepFirstLines(record + outputText, kMaxOutputLines);
}

void TerminalPane::ShowLinesOnTop(const TerminalLines& oldestFirst)
{
    // Each line ends in LF, so lines older than the newest kMaxOutputLines would only be cut again.
    const std::vector<qsizetype>& ends = oldestFirst.ends;
    const qsizetype oldestKept = std::max<qsizetype>(0, std::ssize(ends) - kMaxOutputLines);
    QString newestFirst;
    newestFirst.reserve(oldestFirst.bytes.size() - (oldestKept > 0 ? ends[oldestKept - 1] : 0));
    for (qsizetype i = std::ssize(ends) - 1; i >= oldestKept; --i) {
        const qsizetype start = i > 0 ? ends[i - 1] : 0;
        newestFirst += QLatin1StringView(oldestFirst.bytes.constData() + start, ends[i] - start);
    }
    if (auto* output = qobject_cast<TerminalOutput*>(outputField.GetSafeWidget()))
        output->PutOnTop(newestFirst, kMaxOutputLines);
    // In place: the text keeps its storage, with room in front for the next batch.
    outputText.prepend(newestFirst);
    outputText.truncate(FirstLinesLength(outputText, kMaxOutputLines));
}

QSize TerminalPane::ClientSize() const
{
    return QSize(shown ? kWideClientWidth : kNarrowClientWidth, kClientHeight);
}

QString KeepFirstLines(const QString& text, int maxLines)
{
    return text.left(FirstLinesLength(text, maxLines));
}

qsizetype FirstLinesLength(const QString& text, int maxLines)
{
    if (maxLines < 1)
        return 0;
    const qsizetype lineEnds = text.count(QLatin1Char('\n'));
    if (lineEnds < maxLines)
        return text.size();
    // Walk back from the end to the maxLines-th line end, so a cut costs what it drops.
    qsizetype position = text.size();
    for (qsizetype skip = lineEnds - maxLines + 1; skip > 0; --skip)
        position = text.lastIndexOf(QLatin1Char('\n'), position - 1);
    return position + 1;
}
