#include "app/terminal_pane.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace {

// CR LF and a lone CR end a line of the output.
QString AsLines(QString records)
{
    return records.replace(QStringLiteral("\r\n"), QStringLiteral("\n"))
        .replace(QLatin1Char('\r'), QLatin1Char('\n'));
}

// Inserts text (lines separated by LF) at the start of edit's document in one edit that leaves no
// undo history, then drops what follows its maxLines-th line end.
void InsertAtTop(QPlainTextEdit& edit, const QString& text, int maxLines)
{
    QTextDocument& document = *edit.document();
    if (document.isUndoRedoEnabled())
        document.setUndoRedoEnabled(false);
    const bool caretAtTop = edit.textCursor().position() == 0 && !edit.textCursor().hasSelection();

    // Two edits, not one block: a single change spanning top and end would lay out every line.
    QTextCursor cursor(&document);
    // Text that fills the field alone replaces everything, which saves cutting the old lines.
    if (text.count(QLatin1Char('\n')) >= maxLines)
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
    cursor.beginEditBlock();
    cursor.insertText(text);
    cursor.endEditBlock();
    if (document.blockCount() > maxLines) {
        cursor.setPosition(document.findBlockByNumber(maxLines).position());
        cursor.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        if (cursor.hasSelection())
            cursor.removeSelectedText();
    }
    // The caret stays at the top as a fresh text would put it, so the newest line stays in view.
    if (caretAtTop)
        edit.setTextCursor(QTextCursor(&document));
}

} // namespace

void ShowRecords(QPlainTextEdit& output, const QString& records)
{
    output.setPlainText(AsLines(records));
}

void ShowLinesOnTop(QPlainTextEdit& output, const QStringList& oldestFirst)
{
    // Each line ends in LF, so lines older than the newest kMaxOutputLines would only be cut again.
    const auto kept = oldestFirst.crbegin() + std::min<qsizetype>(oldestFirst.size(), kMaxOutputLines);
    qsizetype size = 0;
    for (auto line = oldestFirst.crbegin(); line != kept; ++line)
        size += line->size();
    QString newestFirst;
    newestFirst.reserve(size);
    for (auto line = oldestFirst.crbegin(); line != kept; ++line)
        newestFirst += *line;
    InsertAtTop(output, AsLines(newestFirst), kMaxOutputLines);
}
