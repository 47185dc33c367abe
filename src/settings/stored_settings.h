#pragma once

#include "transponder/display_format.h"
#include "transponder/page_rows.h"

#include <QString>
#include <cstdint>

// Everything Orvane.ini holds, as both the window and orvane-cli read it.
struct StoredSettings
{
    QString portName;
    std::int32_t baudRate = 0; // 0 when the file holds no number there
    PageRows pageRows;         // texts, HEX defaults, selections and the "all" box
    DisplayFormat displayFormat = DisplayFormat::Hex;
    std::int32_t carrierIdLength = 0; // as written; users clamp it
    QString carrierIdText;
    QString uidText;
    QString terminalSendText;
};

// Reads the settings file at path; a missing or unreadable file gives the defaults. Numbers take
// their leading digits, clamped to 32 bits; a flag is set only by "1".
StoredSettings ReadStoredSettings(const QString& path);

// Writes settings into the file at path, keeping its other lines as they are; the pages' defaults
// are never written. Returns false, leaving the file as it was, when it cannot be written.
bool WriteStoredSettings(const QString& path, const StoredSettings& settings);
