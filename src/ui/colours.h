#pragma once

#include <QColor>

// Named colours of fields, labels and the backdrop.
inline const QColor kColourWhite{255, 255, 255}; // neutral or valid field
inline const QColor kColourRed{255, 0, 0};       // fault or failure
inline const QColor kColourGreen{0, 255, 0};     // success
inline const QColor kColourBlack{0, 0, 0};       // label background
