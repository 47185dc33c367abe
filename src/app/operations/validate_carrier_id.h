#pragma once

class COrvaneDlg;

// Checks the window's carrier ID text against the display format and the carrier ID length before
// it is written. Takes the fields into the members but keeps the terminal text and the carrier ID
// length the calling operation holds, counts the faults (in HEX, "a".."f" become upper case; in
// ASCII a character above U+00FF cannot be one byte), shows the members, and leaves the carrier ID
// field white when the text is valid, red when it is not. Returns the number of faults; 0 means
// valid. The caller reports a fault.
int ValidateCarrierId(COrvaneDlg& dialog);
