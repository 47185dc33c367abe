#include "serial/port_discovery.h"

#include "serial/natural_order.h"
#include "serial/port_candidates.h"
#include "serial/port_probe.h"

#include <algorithm>

QStringList DiscoverOpenablePorts(const PortDiscoveryRoots& roots)
{
    QStringList names;
    for (const PortCandidate& candidate : ListPortCandidates(roots)) {
        if (!names.contains(candidate.name) && ProbePort(candidate.devicePath))
            names.append(candidate.name);
    }
    std::sort(names.begin(), names.end(), NaturalLess);
    return names;
}
