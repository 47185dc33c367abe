#pragma once

#include <sys/types.h>

#include <vector>

// The character devices that processes other than this one hold open, as /proc shows them. A
// process of another user shows its open files to root only, so without root such a holder is not
// seen here; the exclusive mode and the lock it may have set are then all that keeps us out.
class DeviceHolders
{
public:
    // Reads every process's open files once. Never fails: what cannot be read is left out.
    static DeviceHolders Scan();

    // Whether another process holds the device with this device number open.
    bool Holds(dev_t device) const { return HolderOf(device) != 0; }

    // The process that holds the device open, or 0 when none does.
    pid_t HolderOf(dev_t device) const;

private:
    struct HeldDevice
    {
        dev_t device;
        pid_t holder;
    };
    std::vector<HeldDevice> heldDevices;
};
