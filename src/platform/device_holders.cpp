#include "platform/device_holders.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <string>

namespace {

constexpr char kProcessFolder[] = "/proc";
constexpr char kDeviceFolderPrefix[] = "/dev/";

bool IsProcessId(const char* name)
{
    return *name != '\0' && std::all_of(name, name + std::strlen(name), [](char c) {
        return std::isdigit(static_cast<unsigned char>(c)) != 0;
    });
}

// Adds the devices behind the open files listed in one process's fd folder. Only files under
// /dev are looked at, so a file on a stalled network or user-space file system is never touched.
template <typename AddDevice> void AddOpenDevices(int fdFolder, AddDevice addDevice)
{
    DIR* listing = ::fdopendir(fdFolder);
    if (listing == nullptr) {
        ::close(fdFolder);
        return;
    }
    while (const dirent* entry = ::readdir(listing)) {
        char target[sizeof kDeviceFolderPrefix] = {};
        const ssize_t length = ::readlinkat(fdFolder, entry->d_name, target, sizeof target - 1);
        if (length != static_cast<ssize_t>(sizeof target - 1) ||
            std::strcmp(target, kDeviceFolderPrefix) != 0)
            continue;
        struct stat info = {};
        if (::fstatat(fdFolder, entry->d_name, &info, 0) == 0 && S_ISCHR(info.st_mode))
            addDevice(info.st_rdev);
    }
    ::closedir(listing);
}

} // namespace

DeviceHolders DeviceHolders::Scan()
{
    DeviceHolders holders;
    DIR* processes = ::opendir(kProcessFolder);
    if (processes == nullptr)
        return holders;
    const std::string self = std::to_string(::getpid());
    while (const dirent* entry = ::readdir(processes)) {
        if (!IsProcessId(entry->d_name) || self == entry->d_name)
            continue;
        const std::string fdFolder = std::string(kProcessFolder) + '/' + entry->d_name + "/fd";
        const int folder = ::open(fdFolder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
        const pid_t process = static_cast<pid_t>(std::stol(entry->d_name));
        if (folder >= 0)
            AddOpenDevices(folder, [&holders, process](dev_t device) {
                holders.heldDevices.push_back({device, process});
            });
    }
    ::closedir(processes);
    return holders;
}

pid_t DeviceHolders::HolderOf(dev_t device) const
{
    const auto held = std::find_if(heldDevices.begin(), heldDevices.end(),
                                   [device](const HeldDevice& h) { return h.device == device; });
    return held != heldDevices.end() ? held->holder : 0;
}
