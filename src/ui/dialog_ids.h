#pragma once

// Control and result ids that the dialog layer itself gives a meaning to.
inline constexpr int IDOK = 1;        // default OK button; modal result of an OK completion
inline constexpr int IDCANCEL = 2;    // Cancel button; modal result of a cancelled run
inline constexpr int IDC_STATIC = -1; // a template control without an id of its own
