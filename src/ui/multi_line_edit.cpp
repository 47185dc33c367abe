#include "ui/multi_line_edit.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <algorithm>

namespace {

int PlainLength(const QTextDocument* document)
{
    return std::max(0, document->characterCount() - 1); // the document's final separator
}

} // namespace

MultiLineEdit::MultiLineEdit(bool wantsReturn, QWidget* parent)
    : QPlainTextEdit(parent), wantReturn(wantsReturn)
{
    setTabChangesFocus(true);
    connect(document(), &QTextDocument::contentsChange, this,
            [this](int position, int, int added) { EnforceLimit(position, added); });
}

void MultiLineEdit::SetLimitText(int newLimit)
{
    limit = std::max(0, newLimit);
    allowed = std::max(limit, PlainLength(document()));
}

void MultiLineEdit::SetTextInFull(const QString& text)
{
    // Replacing the text reports a removal and an insertion; neither is the operator's typing.
    enforcementSuspended = true;
    setPlainText(text);
    enforcementSuspended = false;
    allowed = std::max(limit, PlainLength(document()));
}

void MultiLineEdit::EnforceLimit(int position, int added)
{
    if (enforcementSuspended)
        return;
    const int length = PlainLength(document());
    if (length <= allowed) {
        allowed = std::max(limit, length);
        return;
    }
    // Drop the end of what was just inserted, as much as goes beyond the allowance. The reported
    // insertion can count the document's final separator, so it is kept inside the text.
    const int insertedEnd = std::min(position + added, length);
    const int excess = std::min(length - allowed, insertedEnd - position);
    QTextCursor cursor(document());
    cursor.setPosition(insertedEnd - excess);
    cursor.setPosition(insertedEnd, QTextCursor::KeepAnchor);
    enforcementSuspended = true;
    cursor.removeSelectedText();
    enforcementSuspended = false;
}
