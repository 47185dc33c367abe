#pragma once

#include <QString>
#include <sys/types.h>

// Another program that holds a port open without any lock or exclusive mode, as a logging script
// or a terminal program does: a shell that opens the device and never reads from it.
class PortHolderProcess
{
public:
    // Starts the holder and waits until it has the device open.
    explicit PortHolderProcess(const QString& devicePath);
    ~PortHolderProcess();
    PortHolderProcess(const PortHolderProcess&) = delete;
    PortHolderProcess& operator=(const PortHolderProcess&) = delete;

    bool IsHolding() const { return holding; }
    pid_t ProcessId() const { return process; }

private:
    pid_t process = -1;
    int channel = -1;
    bool holding = false;
};
