#pragma once

#include "serial/port_discovery_roots.h"

#include <QTemporaryDir>

// A temporary folder laid out like the system's device lists (terminal class folder, identity
// links, device nodes), whose nodes are symlinks to real devices such as pseudo-terminals.
class FakePortFolder
{
public:
    FakePortFolder();

    bool IsValid() const { return valid; }
    PortDiscoveryRoots Roots() const { return roots; }

    // A terminal, backed by a device or not (as virtual consoles are), its node a link to target
    // (no node when target is empty), with the chip type the driver reports when one is given.
    bool AddTerminal(const QString& name, const QString& target, bool backed = true,
                     const QByteArray& chipType = {});

private:
    QTemporaryDir folder;
    PortDiscoveryRoots roots;
    bool valid = false;
};
