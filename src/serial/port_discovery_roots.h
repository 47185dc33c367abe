#pragma once

#include <QString>

// Where port discovery looks: the system's list of terminal devices, the folder of stable links
// named after each adapter's identity, and the folder that holds the device nodes. Tests point
// these at a folder of their own.
struct PortDiscoveryRoots
{
    QString ttyClass = QStringLiteral("/sys/class/tty");
    QString serialById = QStringLiteral("/dev/serial/by-id");
    QString deviceDirectory = QStringLiteral("/dev");
};
