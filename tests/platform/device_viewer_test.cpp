#include "platform/device_viewer.h"

#include <gtest/gtest.h>

#include <optional>

TEST(DeviceViewer, ChoosesTheFirstInstalledViewerElseTheOpenerOnTheDeviceFolder)
{
    using Command = DeviceViewer::Command;
    const struct
    {
        QStringList installed;
        bool serialFolderExists;
        std::optional<Command> expected;
    } cases[] = {
        {{"hardinfo", "xdg-open"}, true, Command{"/usr/bin/hardinfo", {}}},
        {{"lshw-gtk", "kinfocenter"}, true, Command{"/usr/bin/kinfocenter", {}}},
        {{"xdg-open"}, true, Command{"/usr/bin/xdg-open", {"/dev/serial/by-id"}}},
        {{"xdg-open"}, false, Command{"/usr/bin/xdg-open", {"/dev"}}},
        {{}, true, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.installed.join(' ').toStdString());
        const auto findProgram = [&](const QString& name) {
            return c.installed.contains(name) ? "/usr/bin/" + name : QString();
        };
        const auto folderExists = [&](const QString& path) {
            return c.serialFolderExists && path == "/dev/serial/by-id";
        };
        EXPECT_EQ(DeviceViewer::ChooseCommand(findProgram, folderExists), c.expected);
    }
}
