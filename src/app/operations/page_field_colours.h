#pragma once

#include "ui/colours.h"

#include <cstddef>

class COrvaneDlg;

// Sets the page field of row index (0..16) to colour. The field repaints with the event loop, or
// earlier when an operation's wait on the reader paints its progress.
void SetPageFieldColour(COrvaneDlg& dialog, std::size_t index, const QColor& colour);

// The same for all 17 page fields, in page order.
void SetAllPageFieldColours(COrvaneDlg& dialog, const QColor& colour);

// Gives the page field of row index (0..16) the input focus.
void FocusPageField(COrvaneDlg& dialog, std::size_t index);
