#include "DeviceUsers.h"

#include <QFile>

#ifdef Q_OS_LINUX
#include <cstring>
#include <dirent.h>
#include <memory>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace quorl {

#ifdef Q_OS_LINUX

namespace {

constexpr char kDevices[] = "/dev/";

struct DirCloser {
    void operator()(DIR* dir) const { ::closedir(dir); }
};
using Dir = std::unique_ptr<DIR, DirCloser>;

bool isNumber(const char* name) {
    if (!*name)
        return false;
    for (; *name; ++name)
        if (*name < '0' || *name > '9')
            return false;
    return true;
}

// Whether any descriptor in /proc/<process>/fd is the device. Processes of other users
// cannot be looked into without root's rights and are passed over.
bool processHolds(const std::string& process, dev_t device) {
    const std::string folder = "/proc/" + process + "/fd/";
    const Dir descriptors(::opendir(folder.c_str()));
    if (!descriptors)
        return false;
    while (const dirent* entry = ::readdir(descriptors.get())) {
        if (!isNumber(entry->d_name))
            continue;
        const std::string link = folder + entry->d_name;
        // Only files under /dev are looked at: a stat on a file of a network or user-space
        // file system could keep us waiting. The link's text says where without asking it.
        char opened[sizeof kDevices - 1];
        if (::readlink(link.c_str(), opened, sizeof opened) != sizeof opened ||
            std::memcmp(opened, kDevices, sizeof opened) != 0)
            continue;
        // stat follows the descriptor's link to the file that is open.
        struct stat file {};
        if (::stat(link.c_str(), &file) == 0 && S_ISCHR(file.st_mode) && file.st_rdev == device)
            return true;
    }
    return false;
}

} // namespace

bool isDeviceOpen(const QString& path) {
    struct stat device {};
    if (::stat(QFile::encodeName(path).constData(), &device) != 0 || !S_ISCHR(device.st_mode))
        return false;
    const Dir processes(::opendir("/proc"));
    if (!processes)
        return false;
    while (const dirent* entry = ::readdir(processes.get()))
        if (isNumber(entry->d_name) && processHolds(entry->d_name, device.st_rdev))
            return true;
    return false;
}

#else

bool isDeviceOpen(const QString&) {
    return false;
}

#endif

} // namespace quorl
