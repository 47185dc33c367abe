#include "framework/multi_line_edit.h"

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
    allowed = std::max(limit, static_cast<int>(text.length()));
    setPlainText(text);
    allowed = std::max(limit, PlainLength(document()));
}

void MultiLineEdit::EnforceLimit(int position, int added)
{
    if (trimming)
        return;
    const int length = PlainLength(document());
    if (length <= allowed) {
        allowed = std::max(limit, length);
        return;
    }
    // Drop the end of what was just inserted, as much as goes beyond the allowance.
    const int excess = std::min(length - allowed, added);
    QTextCursor cursor(document());
    cursor.setPosition(position + added - excess);
    cursor.setPosition(position + added, QTextCursor::KeepAnchor);
    trimming = true;
    cursor.removeSelectedText();
    trimming = false;
}
