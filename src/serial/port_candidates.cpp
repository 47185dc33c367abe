#include "serial/port_candidates.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const QString kDeviceLink = QStringLiteral("device");
const QString kChipType = QStringLiteral("type");
const QByteArray kUnknownChip = "0";

QString Join(const QString& folder, const QString& name)
{
    return folder + QLatin1Char('/') + name;
}

bool HasNoChip(const QString& classEntry)
{
    QFile type(Join(classEntry, kChipType));
    return type.open(QIODevice::ReadOnly) && type.readAll().trimmed() == kUnknownChip;
}

void AddDeviceBackedTerminals(const PortDiscoveryRoots& roots, std::vector<PortCandidate>& out)
{
    const QDir ttyClass(roots.ttyClass);
    const QStringList entries =
        ttyClass.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
    for (const QString& name : entries) {
        const QString classEntry = Join(roots.ttyClass, name);
        if (!QFileInfo::exists(Join(classEntry, kDeviceLink)))
            continue;
        out.push_back({name, Join(roots.deviceDirectory, name), HasNoChip(classEntry)});
    }
}

void AddIdentityLinks(const PortDiscoveryRoots& roots, std::vector<PortCandidate>& out)
{
    const QDir byId(roots.serialById);
    const QStringList entries =
        byId.entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::System, QDir::Name);
    for (const QString& name : entries) {
        const QString path = Join(roots.serialById, name);
        out.push_back({path, path});
    }
}

} // namespace

std::vector<PortCandidate> ListPortCandidates(const PortDiscoveryRoots& roots)
{
    std::vector<PortCandidate> candidates;
    AddDeviceBackedTerminals(roots, candidates);
    AddIdentityLinks(roots, candidates);
    return candidates;
}
