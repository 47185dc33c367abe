#include "support/fake_port_folder.h"

#include <QDir>
#include <QFile>

FakePortFolder::FakePortFolder()
{
    roots.ttyClass = folder.filePath(QStringLiteral("class/tty"));
    roots.serialById = folder.filePath(QStringLiteral("dev/serial/by-id"));
    roots.deviceDirectory = folder.filePath(QStringLiteral("dev"));
    valid = folder.isValid() && QDir().mkpath(roots.ttyClass) && QDir().mkpath(roots.serialById);
}

bool FakePortFolder::AddTerminal(const QString& name, const QString& target, bool backed,
                                 const QByteArray& chipType)
{
    const QString entry = roots.ttyClass + QLatin1Char('/') + name;
    if (!QDir().mkpath(entry) || (backed && !QDir().mkpath(entry + QStringLiteral("/device"))))
        return false;
    QFile type(entry + QStringLiteral("/type"));
    if (!chipType.isEmpty() && !(type.open(QIODevice::WriteOnly) && type.write(chipType) > 0))
        return false;
    return target.isEmpty() || QFile::link(target, roots.deviceDirectory + QLatin1Char('/') + name);
}
