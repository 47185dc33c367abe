#pragma once

#include "serial/serial_link.h"
#include "support/wait_until.h"

#include <QByteArray>
#include <QString>

// Sends command through link and returns the answer line its receive thread published, or
// "<not sent>" / "<no answer>" within a generous bound.
inline QByteArray ExchangeOverLink(SerialLink& link, const QString& command)
{
    link.receiveThread.DiscardLine();
    if (link.WriteText(command) != 0)
        return "<not sent>";
    return link.receiveThread.AwaitLine(kGenerousWait).value_or("<no answer>");
}
