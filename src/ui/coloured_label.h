#pragma once

#include "ui/cstatic.h"

#include <QColor>

// A label that paints its own background and text: the caption is drawn in the text colour on
// the background, aligned as the label asks and word-wrapped unless it is a single vertically
// centred line.
class ColouredLabel final : public CStatic
{
public:
    QColor textColor{0, 0, 0};

    // Sets the background colour; with redraw the label is repainted before the call returns,
    // without it the label keeps its look until its next repaint.
    void SetBackgroundColor(const QColor& colour, bool redraw = true);

protected:
    bool OnWidgetEvent(QEvent* event) override;

private:
    void Paint();

    QColor background{240, 240, 240};
};
