#pragma once

#include "serial/terminal_line_queue.h"
#include "ui/cedit.h"
#include "ui/enter_field.h"

#include <QSize>
#include <QString>
#include <cstdint>

// The main window's terminal column: the send field and the text it sends, the output and its text,
// and whether the column is shown. GUI thread only.
//
// The output grows at the top: every record (an answer line or an operation's echo, each ending
// CR LF) goes in front of the text. It keeps the newest kMaxOutputLines lines and drops older ones,
// so a long session or a flood of reader lines cannot grow it without bound.
struct TerminalPane
{
    static constexpr int kMaxOutputLines = 20000;

    // Client area below the menu bar: the narrow size leaves the column (from 661.5 px) outside.
    static constexpr int kNarrowClientWidth = 660;
    static constexpr int kWideClientWidth = 874;
    static constexpr int kClientHeight = 429;

    EnterField sendField;
    QString sendText;
    CEdit outputField;
    QString outputText;
    bool shown = false; // terminal-shown flag

    // Puts record in front of outputText, then drops lines beyond the bound.
    void PutOnTop(const QString& record);
    // Puts received lines (oldest first, each ending CR LF) on top of the output field, newest
    // first, and in front of outputText; then drops lines beyond the bound from the end of both.
    // The work grows with the lines, not with the output already shown, so outputText keeps
    // following the field without reading it back. Needs outputField attached.
    void ShowLinesOnTop(const TerminalLines& oldestFirst);

    // The client size (below the menu bar) that shows the column when shown, hides it else.
    QSize ClientSize() const;
};

// Returns text up to and including its maxLines-th line end (LF); text with fewer line ends comes
// back whole. maxLines below 1 gives "".
QString KeepFirstLines(const QString& text, int maxLines);
// The length of what KeepFirstLines keeps.
qsizetype FirstLinesLength(const QString& text, int maxLines);
