#pragma once

#include "ui/dialog_template.h"

// Dialog template 102, the main window: every control with its id, kind, caption, rectangle in
// dialog units and style, in tab order, with menu 129.
DialogTemplate MainDialogTemplate();
