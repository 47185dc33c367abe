#pragma once

#include <QString>

// Opens the device at `devicePath` exclusively, as the serial link opens its port, purges both
// queues and closes it again. Returns whether the open succeeded: false for a device that is
// absent, not a terminal, or held by another program. Never blocks on a device that waits for a
// carrier, and never leaves the device open.
bool ProbePort(const QString& devicePath);
