#pragma once

#include <QString>
#include <sys/types.h>

// Why a serial device, or a serial port on the network, did not open.
enum class SerialOpenReason {
    NoSuchDevice, // nothing at the path, or a link that leads nowhere
    NotATerminal, // something that is not a serial device (an empty port name names /dev/)
    PermissionDenied,
    Held,       // another program, or another open in this process, has the device
    NoHardware, // the driver reports an input/output error: a port entry with no chip behind it
    BaudRateRefused, // the device opened but refused the line speed
    Failed,          // any other refusal; systemError says which
    // A port on the network:
    BadNetworkName,      // a scheme:// name that is malformed; nameProblem says how
    HostNotFound,        // the host name does not resolve
    ConnectionRefused,   // nothing listens at the host's port
    NoAnswer,            // no connection, or no answer from the server, within the time-out
    ConnectionClosed,    // the server closed the connection while it was being set up
    LineSettingsRefused, // the server answered 8N1 without flow control with other settings
};

// Where the user stands with the group that owns a device.
enum class GroupMembership {
    NotMember,         // neither this session nor the user database has the user in the group
    MemberNextSession, // the user database lists the user, this session started before that
    Member,            // this session has the group; the device's mode keeps the group out
};

// What a failed open found out, as far as it is visible to this user.
struct SerialOpenFailure
{
    SerialOpenReason reason = SerialOpenReason::Failed;
    int systemError = 0;
    pid_t holderProcess = 0; // Held: the holder, 0 when it is not visible
    QString holderProgram;   // Held: the holder's program name, empty when not visible
    QString groupName;       // PermissionDenied: the group that owns the device
    GroupMembership membership = GroupMembership::NotMember; // PermissionDenied
    bool onlyRoot = false; // PermissionDenied: root owns the device and no other group may open it
    QString nameProblem;   // BadNetworkName: what is wrong with the name
};
