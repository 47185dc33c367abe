#pragma once

#include "controls/colour_painting.h"
#include "framework/cstatic.h"

// A label that paints its own background and text: the caption is drawn in the text colour on
// the background brush, aligned as the label's style asks and word-wrapped unless the label is a
// single vertically centred line.
class CXColorStatic final : public CStatic, public ColourPainting
{
public:
    // Sets the background colour; with redraw the label is repainted before the call returns,
    // without it the label keeps its look until its next repaint.
    void SetBackgroundColor(COLORREF colour, bool redraw = true);

protected:
    void OnAttached() override;
    bool OnWidgetEvent(QEvent* event) override;

private:
    void Paint();
};
