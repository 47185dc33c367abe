#include "serial/port_discovery.h"

#include "serial/natural_order.h"
#include "serial/port_candidates.h"
#include "serial/port_probe.h"

#include <algorithm>

QStringList DiscoverOpenablePorts(const PortDiscoveryRoots& roots)
{
    QStringList names;
    const DeviceHolders holders = DeviceHolders::Scan();
    for (const PortCandidate& candidate : ListPortCandidates(roots)) {
        if (!names.contains(candidate.name) && ProbePort(candidate.devicePath, holders))
            names.append(candidate.name);
    }
    std::sort(names.begin(), names.end(), NaturalLess);
    return names;
}
