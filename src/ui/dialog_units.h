#pragma once

#include <QRect>

// Converts template coordinates in dialog units to pixels for base units of 6 x 13 pixels: one
// horizontal unit is 1.5 px, one vertical unit 1.625 px. Left, top, width and height are each
// converted on their own and rounded to the nearest pixel, halves away from zero, so a control
// lands on the pixel the same template gives on the system it was drawn for.
int HorizontalDialogUnitsToPixels(int units);
int VerticalDialogUnitsToPixels(int units);
QRect DialogUnitsToPixels(const QRect& rectInDialogUnits);
