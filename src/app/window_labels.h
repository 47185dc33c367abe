#pragma once

#include "controls/xcolor_static.h"
#include "transponder/reader_protocol.h"

#include <array>
#include <functional>

// The main window's 39 coloured labels.
struct WindowLabels
{
    std::array<CXColorStatic, kPageCount> descriptionLabels; // page order
    CXColorStatic allLabel;
    std::array<CXColorStatic, kPageCount> pageLabels; // "P1" ... "P17"
    CXColorStatic carrierIdLengthLabel;
    CXColorStatic carrierIdLabel;
    CXColorStatic hexLabel;
    CXColorStatic asciiLabel;

    static constexpr int kCount = 2 * kPageCount + 5;

    // Calls visit for every label.
    void ForEach(const std::function<void(CXColorStatic&)>& visit)
    {
        for (CXColorStatic& label : descriptionLabels)
            visit(label);
        visit(allLabel);
        for (CXColorStatic& label : pageLabels)
            visit(label);
        visit(carrierIdLengthLabel);
        visit(carrierIdLabel);
        visit(hexLabel);
        visit(asciiLabel);
    }
};
