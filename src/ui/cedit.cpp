#include "ui/cedit.h"

#include "ui/multi_line_edit.h"
#include "ui/single_line_edit.h"

#include <QTextCursor>

void CEdit::SetSel(int start, int end)
{
    if (auto* single = qobject_cast<QLineEdit*>(GetSafeWidget())) {
        const int length = static_cast<int>(single->text().length());
        const int last = end < 0 ? length : std::min(end, length);
        const int first = std::clamp(start, 0, last);
        single->setSelection(first, last - first);
    } else if (auto* multi = qobject_cast<QPlainTextEdit*>(GetSafeWidget())) {
        QTextCursor cursor = multi->textCursor();
        const int length = std::max(0, multi->document()->characterCount() - 1);
        const int last = end < 0 ? length : std::min(end, length);
        cursor.setPosition(std::clamp(start, 0, last));
        cursor.setPosition(last, QTextCursor::KeepAnchor);
        multi->setTextCursor(cursor);
    }
}

void CEdit::ScrollCaret()
{
    if (auto* multi = qobject_cast<QPlainTextEdit*>(GetSafeWidget()))
        multi->ensureCursorVisible();
    // A single-line edit keeps its caret in view by itself.
}

void CEdit::SetLimitText(int limit)
{
    if (auto* single = qobject_cast<SingleLineEdit*>(GetSafeWidget()))
        single->SetLimitText(limit);
    else if (auto* multi = qobject_cast<MultiLineEdit*>(GetSafeWidget()))
        multi->SetLimitText(limit);
}
