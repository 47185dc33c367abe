#pragma once

#include "controls/numbered_enter_edits.h"
#include "transponder/reader_protocol.h"

#include <array>

// The control objects of the 17 page fields, each its own numbered class.
struct PageFields
{
    CEnterEdit1 field1;
    CEnterEdit2 field2;
    CEnterEdit3 field3;
    CEnterEdit4 field4;
    CEnterEdit5 field5;
    CEnterEdit6 field6;
    CEnterEdit7 field7;
    CEnterEdit8 field8;
    CEnterEdit9 field9;
    CEnterEdit10 field10;
    CEnterEdit11 field11;
    CEnterEdit12 field12;
    CEnterEdit13 field13;
    CEnterEdit14 field14;
    CEnterEdit15 field15;
    CEnterEdit16 field16;
    CEnterEdit17 field17;

    // The fields in page order (index 0 is P1).
    std::array<ColouredEnterEdit*, kPageCount> InPageOrder()
    {
        return {&field1,  &field2,  &field3,  &field4,  &field5,  &field6,
                &field7,  &field8,  &field9,  &field10, &field11, &field12,
                &field13, &field14, &field15, &field16, &field17};
    }
};
