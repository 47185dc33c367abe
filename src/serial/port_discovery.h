#pragma once

#include "platform/serial_open_failure.h"
#include "serial/port_discovery_roots.h"

#include <QStringList>
#include <vector>

// A serial device that exists but does not open now, and why.
struct UnopenablePort
{
    QString name;
    SerialOpenFailure failure;
};

// What one look at the candidate ports (see ListPortCandidates) found.
struct PortSurvey
{
    // The names of the ports that open, in natural ascending order without repeats.
    QStringList openable;
    // The devices that are there but refuse to open (permission denied, held, failing), one entry
    // per device in natural order of their names. Entries with no device node or no chip behind
    // them, and files that are no terminals, are not among them.
    std::vector<UnopenablePort> unopenable;
};

// Tries every candidate port once against one scan of the other processes' open devices. A port
// this process or another program holds open is not openable, and no port loses the bytes
// waiting in it.
PortSurvey SurveyPorts(const PortDiscoveryRoots& roots = {});

// SurveyPorts(roots).openable.
QStringList DiscoverOpenablePorts(const PortDiscoveryRoots& roots = {});
