#pragma once

#include "ui/dialog_template.h"

// Dialog template 100, the About box: the About picture at its own size and a hidden, disabled OK
// button, so the box closes only with its close box or Escape.
DialogTemplate AboutDialogTemplate();
