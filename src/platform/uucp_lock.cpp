#include "platform/uucp_lock.h"

#include <QFile>
#include <QFileInfo>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstring>
#include <unistd.h>

namespace {

const std::array<QString, 2> kLockFolders = {QStringLiteral("/var/lock"),
                                             QStringLiteral("/run/lock")};
const QString kLockPrefix = QStringLiteral("/LCK..");
constexpr qint64 kMaxLockFileBytes = 64;

pid_t LockOwner(const QString& lockPath)
{
    QFile file(lockPath);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray bytes = file.read(kMaxLockFileBytes);
    bool ascii = false;
    const qlonglong number = bytes.trimmed().toLongLong(&ascii);
    if (ascii)
        return number > 0 && number <= INT32_MAX ? static_cast<pid_t>(number) : 0;
    // The older binary form: the process id as the host's int.
    int binary = 0;
    if (bytes.size() != static_cast<qsizetype>(sizeof binary))
        return 0;
    std::memcpy(&binary, bytes.constData(), sizeof binary);
    return binary > 0 ? binary : 0;
}

bool IsAlive(pid_t process)
{
    return ::kill(process, 0) == 0 || errno == EPERM;
}

} // namespace

bool IsLockedByAnotherProcess(const QString& devicePath)
{
    return OtherLockHolder(devicePath) != 0;
}

pid_t OtherLockHolder(const QString& devicePath)
{
    const QString canonical = QFileInfo(devicePath).canonicalFilePath();
    const QString deviceName = QFileInfo(canonical.isEmpty() ? devicePath : canonical).fileName();
    for (const QString& folder : kLockFolders) {
        const pid_t owner = LockOwner(folder + kLockPrefix + deviceName);
        if (owner > 0 && owner != ::getpid() && IsAlive(owner))
            return owner;
    }
    return 0;
}
