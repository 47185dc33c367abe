#pragma once

#include "ui/dialog_template.h"

#include <QStringList>

// The baud rates the Interface dialog offers, in list order. All but the first begin with one
// space, as the list has always shown them.
QStringList InterfaceBaudRateEntries();

// The Interface dialog (template 130): caption, group box, labels, OK, Cancel and the port and
// baud-rate combo boxes.
DialogTemplate InterfaceDialogTemplate();
