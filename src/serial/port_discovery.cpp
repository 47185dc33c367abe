#include "serial/port_discovery.h"

#include "platform/serial_device.h"
#include "serial/natural_order.h"
#include "serial/port_candidates.h"

#include <QFileInfo>
#include <algorithm>

namespace {

// Refusals that say something about a device that is really there.
bool IsWorthTelling(SerialOpenReason reason)
{
    return reason == SerialOpenReason::PermissionDenied || reason == SerialOpenReason::Held ||
           reason == SerialOpenReason::Failed;
}

} // namespace

PortSurvey SurveyPorts(const PortDiscoveryRoots& roots)
{
    PortSurvey survey;
    QStringList refusedDevices; // an identity link and its terminal are one device
    const DeviceHolders holders = DeviceHolders::Scan();
    for (const PortCandidate& candidate : ListPortCandidates(roots)) {
        if (survey.openable.contains(candidate.name) || candidate.noChip)
            continue;
        const SerialOpenResult opened = SerialDevice::TryOpen(candidate.devicePath, holders);
        if (opened.device) {
            survey.openable.append(candidate.name);
            continue;
        }
        const QString device = QFileInfo(candidate.devicePath).canonicalFilePath();
        if (!IsWorthTelling(opened.failure.reason) || refusedDevices.contains(device))
            continue;
        refusedDevices.append(device);
        survey.unopenable.push_back({candidate.name, opened.failure});
    }
    std::sort(survey.openable.begin(), survey.openable.end(), NaturalLess);
    std::sort(survey.unopenable.begin(), survey.unopenable.end(),
              [](const UnopenablePort& a, const UnopenablePort& b) {
                  return NaturalLess(a.name, b.name);
              });
    return survey;
}

QStringList DiscoverOpenablePorts(const PortDiscoveryRoots& roots)
{
    return SurveyPorts(roots).openable;
}
