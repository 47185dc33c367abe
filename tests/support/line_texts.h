#pragma once

#include "serial/terminal_line_queue.h"

#include <QStringList>

// The lines of a batch for the terminal, oldest first, as texts.
inline QStringList LineTexts(const TerminalLines& lines)
{
    QStringList texts;
    qsizetype start = 0;
    for (const qsizetype end : lines.ends) {
        texts.append(QString::fromLatin1(lines.bytes.sliced(start, end - start)));
        start = end;
    }
    return texts;
}
