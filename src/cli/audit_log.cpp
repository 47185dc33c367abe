#include "cli/audit_log.h"

#include <QFile>
#include <QJsonDocument>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

QString SystemReason()
{
    return QString::fromLocal8Bit(std::strerror(errno));
}

} // namespace

AuditLog::~AuditLog()
{
    if (descriptor >= 0)
        ::close(descriptor);
}

QString AuditLog::Open(const QString& file)
{
    path = file;
    descriptor = ::open(QFile::encodeName(path).constData(),
                        O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    return descriptor < 0 ? QStringLiteral("cannot open %1: %2").arg(path, SystemReason())
                          : QString();
}

QSet<QString> AuditLog::UidsWithResult(const QString& done) const
{
    QSet<QString> uids;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return uids;
    while (!file.atEnd()) {
        const QJsonObject entry = QJsonDocument::fromJson(file.readLine()).object();
        if (entry.value(QLatin1StringView("result")).toString() == done)
            uids.insert(entry.value(QLatin1StringView("uid")).toString());
    }
    return uids;
}

QString AuditLog::Append(const QJsonObject& entry)
{
    const QByteArray line = QJsonDocument(entry).toJson(QJsonDocument::Compact) + '\n';
    ssize_t written = -1;
    do
        written = ::write(descriptor, line.constData(), line.size());
    while (written < 0 && errno == EINTR);
    if (written != line.size()) {
        if (written >= 0)
            errno = ENOSPC;
        return QStringLiteral("cannot write %1: %2").arg(path, SystemReason());
    }
    if (::fsync(descriptor) != 0)
        return QStringLiteral("cannot write %1: %2").arg(path, SystemReason());
    return {};
}
