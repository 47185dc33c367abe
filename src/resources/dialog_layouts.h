#pragma once

#include "ui/dialog_layout.h"

#include <QStringList>

// The main window: every control with its name, kind, caption, rectangle in dialog units and
// options, in tab order, and its menu bar.
DialogLayout MainWindowLayout();
// The entry the main window adds to its system menu for the About box.
inline const QString kAboutMenuEntry = QStringLiteral("&Info über Tamblor...");

// The Interface dialog: port and baud rate.
DialogLayout InterfaceDialogLayout();
// The baud-rate list of the Interface dialog, in order, as shown.
QStringList InterfaceBaudRateEntries();

// The About box: one picture.
DialogLayout AboutDialogLayout();
