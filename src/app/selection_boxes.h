#pragma once

#include "ui/cbutton.h"
#include "transponder/reader_protocol.h"

#include <QPixmap>
#include <array>

// The boxes that show the selection and the display format as pictures, and those pictures.
struct SelectionBoxes
{
    CButton allBox;
    std::array<CButton, kPageCount> pageBoxes; // page order
    CButton asciiBox;
    CButton hexBox;

    QPixmap tickedBox;      // a set selection flag
    QPixmap emptyBox;       // a clear selection flag
    QPixmap selectedCircle; // the current format
    QPixmap emptyCircle;    // the other format
};
