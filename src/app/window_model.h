#pragma once

#include "settings/stored_settings.h"

#include <cstdint>

// Everything the main window shows and keeps, as plain values: what the settings file holds
// (pages, selection, format, carrier ID and its length, UID, send text, and the port and rate it
// names), whether the terminal column is shown and the timeout unit. The port and rate the link
// has open are the link's; they come from here at start and go back here before a save.
struct WindowModel : StoredSettings
{
    bool terminalShown = false;
    std::int32_t timeoutUnit = 0; // milliseconds; base of every answer wait
};
