#pragma once

#include "framework/colours.h"

#include <cstddef>

class CTamblorDlg;

// Sets the page field of row index (0..16) to colour and notes it in the row; the field repaints
// before this returns, so fields change colour one by one while an operation blocks the window.
void SetPageFieldColour(CTamblorDlg& dialog, std::size_t index, COLORREF colour);

// The same for all 17 page fields, in page order.
void SetAllPageFieldColours(CTamblorDlg& dialog, COLORREF colour);

// Gives the page field of row index (0..16) the input focus.
void FocusPageField(CTamblorDlg& dialog, std::size_t index);
