#pragma once

#include "transponder/display_format.h"
#include "transponder/page_rows.h"

#include <QString>
#include <cstdint>

// Everything the main window shows and keeps, as plain values. The port and the baud rate live
// with the link they open (SerialLink).
struct WindowModel
{
    PageRows pageRows; // 17 rows and allSelected
    DisplayFormat displayFormat = DisplayFormat::Hex;
    std::int32_t carrierIdLength = 0;
    QString carrierIdText;
    QString uidText;
    QString sendText;
    bool terminalShown = false;
    std::int32_t timeoutUnit = 0; // milliseconds; base of every answer wait
};
