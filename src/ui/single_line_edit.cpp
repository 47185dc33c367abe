#include "ui/single_line_edit.h"

#include <algorithm>

SingleLineEdit::SingleLineEdit(QWidget* parent) : QLineEdit(parent)
{
    connect(this, &QLineEdit::textChanged, this, [this] { TightenToText(); });
}

void SingleLineEdit::SetLimitText(int newLimit)
{
    limit = std::max(0, newLimit);
    setMaxLength(std::max(limit, static_cast<int>(text().length())));
}

void SingleLineEdit::SetTextInFull(const QString& newText)
{
    // QLineEdit cuts a text to maxLength, so room is made first.
    if (newText.length() > maxLength())
        setMaxLength(static_cast<int>(newText.length()));
    setText(newText);
}

void SingleLineEdit::TightenToText()
{
    // The room above the limit only ever shrinks with the text, so it can never be typed back.
    const int allowed = std::max(limit, static_cast<int>(text().length()));
    if (allowed < maxLength())
        setMaxLength(allowed);
}
