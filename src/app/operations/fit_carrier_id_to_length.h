#pragma once

class COrvaneDlg;

// Cuts the window's carrier ID text to the carrier ID length (2 * L characters in HEX, L in ASCII;
// empty for a length of 0 or below) and turns its field white when it cut. A text that already
// fits keeps its characters and its field its colour. Does not show the members.
void FitCarrierIdToLength(COrvaneDlg& dialog);
