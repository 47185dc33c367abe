#pragma once

#include "ui/cwnd.h"

// Control object of a drop-down combo box.
class CComboBox : public CWnd
{
public:
    // Appends an entry; returns its index, or -1 when not attached.
    int AddString(const QString& text);
    void ResetContent();
    // Widens the drop-down list (not the box) so that its longest entry shows whole; nothing when
    // not attached.
    void FitDroppedWidth();
};
