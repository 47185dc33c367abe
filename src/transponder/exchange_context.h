#pragma once

#include <QString>

#include <functional>

struct SerialLink;

// What the exchanges of one transponder operation work on, all owned by the main window and used
// on its thread: the link to the reader (port, line event, published answer line, busy flags), the
// terminal text that records go on top of, and the timeout unit (ms) that scales every wait.
struct ExchangeContext
{
    SerialLink& link;
    QString& terminalText;
    int& timeoutUnit;
    // Called once in an exchange whose answer has not come within a display frame, so that the
    // window paints what changed while it waits; empty: nothing to show.
    std::function<void()> showProgress = {};
};
