#pragma once

#include "ui/single_line_edit.h"

#include <QColor>

// A single-line field that keeps every key typed in it: Enter emits EnterPressed and goes no
// further, Tab and Escape stay in the field, where they change nothing. Once a background colour
// is set the field draws its text in black on it.
class EnterField final : public SingleLineEdit
{
    Q_OBJECT
public:
    explicit EnterField(QWidget* parent = nullptr) : SingleLineEdit(parent) {}

    // The colour set last; the button face before the first.
    QColor BackgroundColor() const { return background; }
    // Sets the background colour; with redraw the field is repainted before the call returns.
    void SetBackgroundColor(const QColor& colour, bool redraw = true);

signals:
    void EnterPressed();

protected:
    bool event(QEvent* event) override;

private:
    QColor background{240, 240, 240};
};
