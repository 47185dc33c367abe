#pragma once

#include <QString>

class TerminalOutput;
struct TerminalLines;

// The main window's terminal output grows at the top: every record (an answer line or an
// operation's echo, each ending CR LF) goes in front of the text. It keeps the newest
// kMaxOutputLines lines and drops older ones, so a long session or a flood of reader lines cannot
// grow it without bound.
inline constexpr int kMaxOutputLines = 20000;

// Client area below the menu bar: the narrow size leaves the terminal column (from 661.5 px)
// outside.
inline constexpr int kNarrowClientWidth = 660;
inline constexpr int kWideClientWidth = 874;
inline constexpr int kTerminalClientHeight = 429;

// Replaces the output with records (CR LF ended lines).
void ShowRecords(TerminalOutput& output, const QString& records);

// Puts received lines (oldest first, each ending CR LF) on top of the output, newest first, then
// drops lines beyond the bound from its end. The work grows with the lines, not with the output
// already shown.
void ShowLinesOnTop(TerminalOutput& output, const TerminalLines& oldestFirst);
