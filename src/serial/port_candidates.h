#pragma once

#include "serial/port_discovery_roots.h"

#include <vector>

// A device that may be a serial port: the name the operator is offered and the path to open.
struct PortCandidate
{
    QString name;
    QString devicePath;
    bool noChip = false; // a legacy port entry whose driver found no chip behind it
};

// The terminal devices of roots.ttyClass that a device backs (ttyS*, ttyUSB*, ttyACM*, ...),
// offered by their short name and opened in roots.deviceDirectory, followed by the links in
// roots.serialById, offered and opened by their full path. Virtual terminals and pseudo-terminals
// are not backed by a device and are left out. A missing folder contributes nothing.
// A terminal whose class folder gives its chip type as 0 is marked noChip.
std::vector<PortCandidate> ListPortCandidates(const PortDiscoveryRoots& roots);
