#pragma once

#include "serial/port_discovery_roots.h"

#include <QStringList>

// The names of the candidate ports (see ListPortCandidates) that open at this moment, each probed
// by ProbePort, in natural ascending order without repeats. A port this process or another
// program holds open is not among them.
QStringList DiscoverOpenablePorts(const PortDiscoveryRoots& roots = {});
