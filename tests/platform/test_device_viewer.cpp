#include "platform/device_viewer.h"

#include <gtest/gtest.h>

#include <optional>
#include <vector>

namespace {

struct ChoiceCase
{
    const char* name;
    QStringList installed;
    bool serialFolderExists;
    std::optional<DeviceViewer::Command> expected;
};

TEST(DeviceViewer, ChoosesTheFirstInstalledViewerElseTheOpenerOnTheDeviceFolder)
{
    const std::vector<ChoiceCase> cases = {
        {"hardware viewer preferred over opener",
         {"hardinfo", "xdg-open"},
         true,
         DeviceViewer::Command{"/usr/bin/hardinfo", {}}},
        {"earlier viewer in the list wins",
         {"lshw-gtk", "kinfocenter"},
         true,
         DeviceViewer::Command{"/usr/bin/kinfocenter", {}}},
        {"opener on serial devices",
         {"xdg-open"},
         true,
         DeviceViewer::Command{"/usr/bin/xdg-open", {"/dev/serial/by-id"}}},
        {"opener on /dev without serial devices",
         {"xdg-open"},
         false,
         DeviceViewer::Command{"/usr/bin/xdg-open", {"/dev"}}},
        {"nothing installed", {}, true, std::nullopt},
    };
    for (const ChoiceCase& c : cases) {
        SCOPED_TRACE(c.name);
        const auto findProgram = [&](const QString& name) {
            return c.installed.contains(name) ? "/usr/bin/" + name : QString();
        };
        const auto folderExists = [&](const QString& path) {
            return c.serialFolderExists && path == "/dev/serial/by-id";
        };
        EXPECT_EQ(DeviceViewer::ChooseCommand(findProgram, folderExists), c.expected);
    }
}

} // namespace
