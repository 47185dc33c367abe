#pragma once

#include <QLineEdit>

// A single-line edit whose length limit works like a dialog edit's: the operator cannot type the
// text beyond the limit, yet a longer text put in by the program is shown in full and can only
// shrink until it fits.
class SingleLineEdit : public QLineEdit
{
    Q_OBJECT
public:
    explicit SingleLineEdit(QWidget* parent = nullptr);

    // Sets the limit in characters (below 0 counts as 0). Never cuts the current text.
    void SetLimitText(int limit);
    // Replaces the text in full, even beyond the limit.
    void SetTextInFull(const QString& text);

private:
    void TightenToText();

    int limit = 32767;
};
