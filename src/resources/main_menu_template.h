#pragma once

#include "ui/menu_template.h"

// Menu 129, the main window's menu bar: File, Interface, Terminal and "?".
MenuTemplate MainMenuTemplate();
