#pragma once

#include <cstddef>

class COrvaneDlg;

// Checks the text of page row index (0..16) against the display format before it is written.
// Takes the fields into the members (the terminal text the calling operation holds is kept),
// counts the faults (in HEX, "a".."f" become upper case), shows the members, and leaves the field
// white when the text is valid, red when it is not. Returns the number of faults; 0 means valid.
// The caller reports a fault.
int ValidatePageText(COrvaneDlg& dialog, std::size_t index);
