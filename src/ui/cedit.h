#pragma once

#include "ui/cwnd.h"

// Control object of a single- or multi-line edit.
class CEdit : public CWnd
{
public:
    // Selects characters start..end; an end of -1 selects to the end of the text.
    void SetSel(int start, int end);
    // Scrolls the caret into view.
    void ScrollCaret();
    // Sets the length limit (see SingleLineEdit / MultiLineEdit); no effect on other widgets.
    void SetLimitText(int limit);
};
