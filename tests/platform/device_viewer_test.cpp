#include "platform/device_viewer.h"

#include <gtest/gtest.h>

#include <optional>

TEST(DeviceViewer, ChoosesTheFirstInstalledViewerElseTheOpenerOnTheDeviceFolder)
{
    using Command = DeviceViewer::Command;
    const std::tuple<QStringList, bool, std::optional<Command>> cases[] = {
        // installed programs, whether /dev/serial/by-id exists, the command chosen
        {{"lshw-gtk", "kinfocenter", "xdg-open"}, true, Command{"/usr/bin/kinfocenter", {}}},
        {{"xdg-open"}, true, Command{"/usr/bin/xdg-open", {"/dev/serial/by-id"}}},
        {{"xdg-open"}, false, Command{"/usr/bin/xdg-open", {"/dev"}}},
        {{}, true, std::nullopt},
    };
    for (const auto& [installed, byIdExists, expected] : cases) {
        SCOPED_TRACE(installed.join(' ').toStdString());
        const auto findProgram = [&](const QString& name) {
            return installed.contains(name) ? "/usr/bin/" + name : QString();
        };
        const auto folderExists = [&](const QString& path) {
            return byIdExists && path == "/dev/serial/by-id";
        };
        EXPECT_EQ(DeviceViewer::ChooseCommand(findProgram, folderExists), expected);
    }
}
