#pragma once

#include <QString>

struct SerialLink;

// What the exchanges of one transponder operation work on, all owned by the main window and used
// on its thread: the link to the reader (port, line event, published answer line, busy flags), the
// terminal text that records go on top of, and the timeout unit (ms) that scales every wait.
struct ExchangeContext
{
    SerialLink& link;
    QString& terminalText;
    int& timeoutUnit;
};
