#pragma once

// The font the dialog templates name. The dialog layer falls back to a common sans family of the same
// pixel size where this one is not installed, which fits the templates' rectangles.
inline constexpr char kDialogFontName[] = "MS Sans Serif";
inline constexpr int kDialogFontPointSize = 8;
