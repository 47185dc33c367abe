#pragma once

#include <QString>

// One page of the transponder as the main window holds it: whether it takes part in read, write
// and lock, its text in the current display format and its HEX default.
struct PageRow
{
    bool selected = false;               // shown by the row's selection box
    QString text;                        // as the page field shows it (HEX or ASCII)
    QString defaultText;                 // HEX; loaded from the settings, never written back
};
