#pragma once

#include "serial/port_discovery_roots.h"

#include <QString>
#include <QTemporaryDir>

// A temporary folder laid out like the system's device lists (terminal class folder, identity
// links, device nodes), whose nodes are symlinks to real devices such as pseudo-terminals.
class FakePortFolder
{
public:
    FakePortFolder();

    bool IsValid() const { return valid; }
    PortDiscoveryRoots Roots() const { return roots; }

    // A terminal a device backs, its node linked to target (no node when target is empty).
    bool AddBackedTerminal(const QString& name, const QString& target);
    // A terminal without a backing device (as virtual consoles are), its node linked to target.
    bool AddUnbackedTerminal(const QString& name, const QString& target);
    // A stable identity link to target.
    bool AddIdentityLink(const QString& name, const QString& target);
    // A terminal a device backs whose node is a plain file.
    bool AddBackedPlainFile(const QString& name);

private:
    bool AddTerminal(const QString& name, const QString& target, bool backed);

    QTemporaryDir folder;
    PortDiscoveryRoots roots;
    bool valid = false;
};
