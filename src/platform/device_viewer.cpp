#include "platform/device_viewer.h"

#include <QDir>
#include <QProcess>
#include <QStandardPaths>

#include <array>

namespace {

// Graphical hardware viewers of the common Linux desktops, most specific first.
constexpr std::array kHardwareViewers = {u"kinfocenter", u"hardinfo2", u"hardinfo", u"lshw-gtk"};
constexpr auto kDesktopOpener = u"xdg-open";
constexpr auto kSerialDeviceFolder = u"/dev/serial/by-id";
constexpr auto kDeviceFolder = u"/dev";

} // namespace

std::optional<DeviceViewer::Command> DeviceViewer::ChooseCommand(const FindProgram& findProgram,
                                                                 const FolderExists& folderExists)
{
    for (const char16_t* name : kHardwareViewers) {
        const QString path = findProgram(QString::fromUtf16(name));
        if (!path.isEmpty())
            return Command{path, {}};
    }
    const QString opener = findProgram(QString::fromUtf16(kDesktopOpener));
    if (opener.isEmpty())
        return std::nullopt;
    const QString serialFolder = QString::fromUtf16(kSerialDeviceFolder);
    const QString folder =
        folderExists(serialFolder) ? serialFolder : QString::fromUtf16(kDeviceFolder);
    return Command{opener, {folder}};
}

bool DeviceViewer::Open()
{
    const std::optional<Command> command =
        ChooseCommand([](const QString& name) { return QStandardPaths::findExecutable(name); },
                      [](const QString& path) { return QDir(path).exists(); });
    return command && QProcess::startDetached(command->program, command->arguments);
}
