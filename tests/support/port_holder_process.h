#pragma once

#include <QByteArray>
#include <QString>
#include <sys/types.h>

// Another program that holds a port open without any lock or exclusive mode, as a logging script
// or a terminal program does: a shell that opens the device and reads from it only when told.
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

    // Lets the holder read count bytes from the device and returns them; fewer when they did not
    // all come within the generous bound.
    QByteArray Read(qsizetype count);

private:
    QByteArray ReadOutput(qsizetype count);

    pid_t process = -1;
    int toHolder = -1;
    int fromHolder = -1;
    bool holding = false;
};
