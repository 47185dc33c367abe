#pragma once

#include "controls/colour_painting.h"
#include "controls/enter_reporting_edit.h"

// A numbered Enter-reporting field that shows its text on its own background colour.
// CEnterEdit1 ... CEnterEdit19 are this class with their number.
class ColouredEnterEdit : public EnterReportingEdit, public ColourPainting
{
public:
    // `number` picks the message name "UWM_EDIT<number>_COMPLETE-{...}".
    explicit ColouredEnterEdit(int number);

    int Number() const { return number; }
    // Sets the background colour; with redraw the field is repainted before the call returns.
    void SetBackgroundColor(COLORREF colour, bool redraw = true);

protected:
    void OnAttached() override;
    bool OnWidgetEvent(QEvent* event) override;

private:
    void ApplyColours();

    int number;
};
