#include "controls/colour_painting.h"

void ColourPainting::ReplaceBackground(COLORREF colour)
{
    backgroundColor = colour;
    backgroundBrush = colour.ToQColor();
}
