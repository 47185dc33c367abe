#pragma once

#include <QPlainTextEdit>

// A multi-line edit with the want-return choice: with it Enter inserts a line break, without it
// Enter belongs to the dialog. Tab moves the focus on.
class MultiLineEdit final : public QPlainTextEdit
{
    Q_OBJECT
public:
    MultiLineEdit(bool wantReturn, QWidget* parent = nullptr)
        : QPlainTextEdit(parent), wantReturn(wantReturn)
    {
        setTabChangesFocus(true);
    }

    bool WantsReturn() const { return wantReturn; }

private:
    bool wantReturn;
};
