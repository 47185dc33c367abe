#include "app/terminal_pane.h"

void TerminalPane::PutOnTop(const QString& record)
{
    outputText = KeepFirstLines(record + outputText, kMaxOutputLines);
}

void TerminalPane::PutLinesOnTop(const QStringList& oldestFirst)
{
    qsizetype size = outputText.size();
    for (const QString& line : oldestFirst)
        size += line.size();
    QString text;
    text.reserve(size);
    for (auto line = oldestFirst.crbegin(); line != oldestFirst.crend(); ++line)
        text += *line;
    text += outputText;
    outputText = KeepFirstLines(text, kMaxOutputLines);
}

QSize TerminalPane::ClientSize() const
{
    return QSize(shown ? kWideClientWidth : kNarrowClientWidth, kClientHeight);
}

QString KeepFirstLines(const QString& text, int maxLines)
{
    if (maxLines < 1)
        return QString();
    int lineEnds = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\n') && ++lineEnds == maxLines)
            return text.left(i + 1);
    }
    return text;
}
