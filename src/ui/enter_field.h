#pragma once

#include "ui/cedit.h"

#include <QColor>
#include <functional>
#include <optional>

// A single-line field that keeps every key typed in it: Enter runs onEnter (when set) and goes no
// further, Tab and Escape stay in the field, where they change nothing. Once a background colour is
// set the field draws its text in black on it.
class EnterField final : public CEdit
{
public:
    // Runs on Enter; unset, Enter does nothing.
    std::function<void()> onEnter;

    // The colour set last; the button face before the first.
    QColor BackgroundColor() const { return background.value_or(kButtonFace); }
    // Sets the background colour; with redraw the field is repainted before the call returns.
    void SetBackgroundColor(const QColor& colour, bool redraw = true);

protected:
    bool OnWidgetEvent(QEvent* event) override;

private:
    static inline const QColor kButtonFace{240, 240, 240};

    void ApplyColours();

    std::optional<QColor> background;
};
