#pragma once

#include "serial/port_discovery_roots.h"

#include <QStringList>

// The names of the candidate ports (see ListPortCandidates) that open at this moment, each probed
// by ProbePort against one scan of the other processes' open devices, in natural ascending order
// without repeats. A port this process or another program holds open is not among them, and no
// port loses the bytes waiting in it.
QStringList DiscoverOpenablePorts(const PortDiscoveryRoots& roots = {});
