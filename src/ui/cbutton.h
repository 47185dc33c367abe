#pragma once

#include "ui/cwnd.h"

#include <QPixmap>

// Control object of a push button or check box.
class CButton : public CWnd
{
public:
    // Ticks the box for 1, clears it for anything else. Sends no click notification.
    void SetCheck(int check);
    // Shows `picture` at its own size instead of the caption.
    void SetBitmap(const QPixmap& picture);
};
