#pragma once

#include "platform/device_holders.h"

#include <QString>

// Opens the device at `devicePath` exclusively, as the serial link opens its port, and closes it
// again; whatever waits in its queues stays there. Returns whether the open succeeded: false for a
// device that is absent, not a terminal, or held by another program (one of `holders`, or one that
// locked it). Never blocks on a device that waits for a carrier, and never leaves the device open.
bool ProbePort(const QString& devicePath, const DeviceHolders& holders);
