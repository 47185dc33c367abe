#include "ui/dialog_units.h"

namespace {

constexpr int kBaseUnitX = 6;  // average character width of the template font, in pixels
constexpr int kBaseUnitY = 13; // character height of the template font, in pixels
constexpr int kUnitsPerBaseX = 4;
constexpr int kUnitsPerBaseY = 8;

// units * base / divisor rounded to nearest, halves away from zero.
int ScaleRounded(int units, int base, int divisor)
{
    const long long product = static_cast<long long>(units) * base;
    const long long half = divisor / 2;
    const long long rounded =
        product >= 0 ? (product + half) / divisor : (product - half) / divisor;
    return static_cast<int>(rounded);
}

} // namespace

int HorizontalDialogUnitsToPixels(int units)
{
    return ScaleRounded(units, kBaseUnitX, kUnitsPerBaseX);
}

int VerticalDialogUnitsToPixels(int units)
{
    return ScaleRounded(units, kBaseUnitY, kUnitsPerBaseY);
}

QRect DialogUnitsToPixels(const QRect& r)
{
    return QRect(HorizontalDialogUnitsToPixels(r.x()), VerticalDialogUnitsToPixels(r.y()),
                 HorizontalDialogUnitsToPixels(r.width()), VerticalDialogUnitsToPixels(r.height()));
}
