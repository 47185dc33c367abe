#pragma once

#include <QString>
#include <sys/types.h>

// Whether a live process other than this one locked the device at `devicePath` the UUCP way: a
// file "LCK..<device name>" in /var/lock or /run/lock that holds the process id, as ten ASCII
// digits or as a binary int. A lock of a process that is gone, or one that cannot be read, locks
// nothing.
bool IsLockedByAnotherProcess(const QString& devicePath);

// The live process other than this one whose UUCP lock names the device; 0 when there is none.
pid_t OtherLockHolder(const QString& devicePath);
