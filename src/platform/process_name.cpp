#include "platform/process_name.h"

#include <QFile>

QString ProcessName(pid_t process)
{
    QFile comm(QStringLiteral("/proc/%1/comm").arg(process));
    if (process <= 0 || !comm.open(QIODevice::ReadOnly))
        return QString();
    return QString::fromLocal8Bit(comm.readAll().trimmed());
}
