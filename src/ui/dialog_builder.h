#pragma once

#include "ui/dialog_template.h"

#include <QFont>
#include <vector>

class QWidget;

// A control the builder made from one template entry.
struct BuiltControl
{
    const DialogControlSpec* entry = nullptr;
    QWidget* widget = nullptr;
};

// Creates the template's controls as children of `client`, in template order (which makes Qt's
// focus chain the template's tab order), at their pixel rectangles. A picture whose resource loads
// takes the picture's own size at its top-left corner. Returns the controls in template order.
std::vector<BuiltControl> BuildDialogControls(const DialogTemplate& dialogTemplate,
                                              QWidget* client);

// The font the template names at its point size, with narrow sans families as fallbacks.
QFont DialogFont(const DialogTemplate& dialogTemplate);
