#include "app/terminal_pane.h"

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace {

const QString kCrLf = QStringLiteral("\r\n");

} // namespace

void TerminalPane::PutOnTop(const QString& record)
{
    outputText = KeepFirstLines(record + outputText, kMaxOutputLines);
}

void TerminalPane::ShowLinesOnTop(const QStringList& oldestFirst)
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

    if (auto* edit = qobject_cast<QPlainTextEdit*>(outputField.GetSafeWidget())) {
        QString shown = newestFirst;
        shown.replace(kCrLf, QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
        InsertAtTop(*edit, shown, kMaxOutputLines);
    }
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
