#include "support/fake_port_folder.h"

#include <QDir>
#include <QFile>

FakePortFolder::FakePortFolder()
{
    if (!folder.isValid())
        return;
    roots.ttyClass = folder.filePath(QStringLiteral("class/tty"));
    roots.serialById = folder.filePath(QStringLiteral("dev/serial/by-id"));
    roots.deviceDirectory = folder.filePath(QStringLiteral("dev"));
    valid = QDir().mkpath(roots.ttyClass) && QDir().mkpath(roots.serialById) &&
            QDir().mkpath(roots.deviceDirectory) &&
            QDir().mkpath(folder.filePath(QStringLiteral("devices/platform")));
}

bool FakePortFolder::AddBackedTerminal(const QString& name, const QString& target)
{
    return AddTerminal(name, target, true);
}

bool FakePortFolder::AddUnbackedTerminal(const QString& name, const QString& target)
{
    return AddTerminal(name, target, false);
}

bool FakePortFolder::AddIdentityLink(const QString& name, const QString& target)
{
    return QFile::link(target, roots.serialById + QLatin1Char('/') + name);
}

bool FakePortFolder::AddBackedPlainFile(const QString& name)
{
    QFile node(roots.deviceDirectory + QLatin1Char('/') + name);
    return AddTerminal(name, QString(), true) && node.open(QIODevice::WriteOnly);
}

bool FakePortFolder::AddTerminal(const QString& name, const QString& target, bool backed)
{
    const QString entry = roots.ttyClass + QLatin1Char('/') + name;
    if (!QDir().mkpath(entry))
        return false;
    if (backed && !QFile::link(folder.filePath(QStringLiteral("devices/platform")),
                               entry + QStringLiteral("/device")))
        return false;
    return target.isEmpty() || QFile::link(target, roots.deviceDirectory + QLatin1Char('/') + name);
}
