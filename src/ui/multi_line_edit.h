#pragma once

#include <QPlainTextEdit>
#include <climits>

// A multi-line edit with a dialog edit's length limit (text beyond it cannot be typed or pasted; a
// longer text put in by the program is kept) and the want-return choice: with it Enter inserts a
// line break, without it Enter belongs to the dialog.
class MultiLineEdit final : public QPlainTextEdit
{
    Q_OBJECT
public:
    explicit MultiLineEdit(bool wantReturn, QWidget* parent = nullptr);

    bool WantsReturn() const { return wantReturn; }
    // Sets the limit in characters (below 0 counts as 0); a line break counts as one character.
    void SetLimitText(int limit);
    // Replaces the text in full, even beyond the limit.
    void SetTextInFull(const QString& text);

private:
    void EnforceLimit(int position, int added);

    bool wantReturn;
    int limit = INT_MAX;
    int allowed = INT_MAX; // the limit, or the length of a longer text the program put in
    bool enforcementSuspended = false;
};
