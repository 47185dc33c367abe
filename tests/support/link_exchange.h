#pragma once

#include "serial/serial_link.h"
#include "support/wait_until.h"

#include <QByteArray>
#include <QString>

// Sends command through link and returns the answer line its receive thread published, or
// "<not sent>" / "<no answer>" within a generous bound.
inline QByteArray ExchangeOverLink(SerialLink& link, const QString& command)
{
    link.receiveThread.DiscardReceived(link.portHandle.get());
    if (link.WriteText(command) != 0)
        return "<not sent>";
    const std::optional<CompletedLine> line = link.receiveThread.AwaitLine(kGenerousWait);
    return line ? line->bytes : QByteArray("<no answer>");
}
