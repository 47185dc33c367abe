#include "serial/device_identity.h"

#include <QFile>
#include <QFileInfo>

namespace {

QString ReadAttribute(const QString& folder, const QString& name)
{
    QFile file(folder + QLatin1Char('/') + name);
    return file.open(QIODevice::ReadOnly) ? QString::fromLatin1(file.readAll().trimmed())
                                          : QString();
}

} // namespace

DeviceIdentity ReadDeviceIdentity(const QString& path, const QString& ttyClass)
{
    DeviceIdentity identity{path, {}, {}, {}};
    // A stable link such as one in /dev/serial/by-id names the terminal through its target.
    const QString target = QFileInfo(path).canonicalFilePath();
    const QString name = QFileInfo(target.isEmpty() ? path : target).fileName();
    // The terminal's device hangs below a USB interface, which hangs below the USB device that
    // carries the identity.
    QString folder = QFileInfo(ttyClass + QLatin1Char('/') + name + QStringLiteral("/device"))
                         .canonicalFilePath();
    while (!folder.isEmpty() && folder != QStringLiteral("/")) {
        if (QFileInfo::exists(folder + QStringLiteral("/idVendor"))) {
            identity.usbVendor = ReadAttribute(folder, QStringLiteral("idVendor"));
            identity.usbProduct = ReadAttribute(folder, QStringLiteral("idProduct"));
            identity.usbSerial = ReadAttribute(folder, QStringLiteral("serial"));
            break;
        }
        folder = QFileInfo(folder).path();
    }
    return identity;
}
