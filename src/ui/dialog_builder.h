#pragma once

#include "ui/dialog_layout.h"

#include <QFont>
#include <vector>

class QWidget;

// Creates the layout's controls as children of `client`, in layout order (which makes Qt's focus
// chain the layout's tab order), at their pixel rectangles, each named as its entry says. A picture
// whose resource loads takes the picture's own size at its top-left corner. Returns the controls
// in layout order.
std::vector<QWidget*> BuildControls(const DialogLayout& layout, QWidget* client);

// The font the layout names at its point size, with narrow sans families as fallbacks.
QFont DialogFont(const DialogLayout& layout);
