#pragma once

#include "ui/coloured_label.h"
#include "transponder/reader_protocol.h"

#include <array>
#include <functional>

// The main window's 39 coloured labels.
struct WindowLabels
{
    std::array<ColouredLabel, kPageCount> descriptionLabels; // page order
    ColouredLabel allLabel;
    std::array<ColouredLabel, kPageCount> pageLabels; // "P1" ... "P17"
    ColouredLabel carrierIdLengthLabel;
    ColouredLabel carrierIdLabel;
    ColouredLabel hexLabel;
    ColouredLabel asciiLabel;

    static constexpr int kCount = 2 * kPageCount + 5;

    // Calls visit for every label.
    void ForEach(const std::function<void(ColouredLabel&)>& visit)
    {
        for (ColouredLabel& label : descriptionLabels)
            visit(label);
        visit(allLabel);
        for (ColouredLabel& label : pageLabels)
            visit(label);
        visit(carrierIdLengthLabel);
        visit(carrierIdLabel);
        visit(hexLabel);
        visit(asciiLabel);
    }
};
