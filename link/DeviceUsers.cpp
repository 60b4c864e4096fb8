#include "DeviceUsers.h"

#include <QFile>

#ifdef Q_OS_LINUX
#include <charconv>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fcntl.h>
#include <memory>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

namespace quorl {

#ifdef Q_OS_LINUX

namespace {

constexpr std::string_view kDevices = "/dev/";
constexpr std::string_view kPtyLines = "/dev/pts/";
constexpr std::string_view kPtyIndex = "tty-index:";
const dev_t kPtyMaster = makedev(5, 2); // /dev/ptmx and /dev/pts/ptmx

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

// The number N of a pseudo-terminal's line end /dev/pts/N that the path leads to, else -1.
int ptyNumber(const QString& path) {
    char real[PATH_MAX];
    if (!::realpath(QFile::encodeName(path).constData(), real))
        return -1;
    const std::string_view line(real);
    if (!line.starts_with(kPtyLines))
        return -1;
    int number = -1;
    const auto [end, error] =
        std::from_chars(line.data() + kPtyLines.size(), line.data() + line.size(), number);
    return error == std::errc{} && end == line.data() + line.size() ? number : -1;
}

// The pseudo-terminal a descriptor of /proc/<process>/fd is the master end of, else -1. The
// system says so in the descriptor's fdinfo.
int masterOf(const std::string& process, const char* descriptor) {
    const std::string info = "/proc/" + process + "/fdinfo/" + descriptor;
    const int file = ::open(info.c_str(), O_RDONLY | O_CLOEXEC);
    if (file < 0)
        return -1;
    char text[512];
    const ssize_t length = ::read(file, text, sizeof text - 1);
    ::close(file);
    if (length <= 0)
        return -1;
    const std::string_view lines(text, static_cast<std::size_t>(length));
    const std::size_t at = lines.find(kPtyIndex);
    if (at == std::string_view::npos)
        return -1;
    std::size_t digits = at + kPtyIndex.size();
    while (digits < lines.size() && (lines[digits] == '\t' || lines[digits] == ' '))
        ++digits;
    int number = -1;
    std::from_chars(lines.data() + digits, lines.data() + lines.size(), number);
    return number;
}

// Whether the process has the device open as a user of the line. Only files under /dev are
// looked at: a stat on a file of a network or user-space file system could keep us waiting,
// and the link's text says where without asking it. A process that holds the master end of
// the pseudo-terminal (a bridge such as socat, a simulated radio) is the far end of the line,
// whatever else it holds, and does not count; this program's own descriptors always do.
// Processes of other users cannot be looked into without root's rights and are passed over.
bool processUses(const std::string& process, dev_t device, int ptyLine, bool ourOwn) {
    const std::string folder = "/proc/" + process + "/fd/";
    const Dir descriptors(::opendir(folder.c_str()));
    if (!descriptors)
        return false;
    bool holds = false;
    while (const dirent* entry = ::readdir(descriptors.get())) {
        if (!isNumber(entry->d_name))
            continue;
        const std::string link = folder + entry->d_name;
        char opened[PATH_MAX];
        const ssize_t length = ::readlink(link.c_str(), opened, sizeof opened);
        if (length <= 0 ||
            !std::string_view(opened, static_cast<std::size_t>(length)).starts_with(kDevices))
            continue;
        // stat follows the descriptor's link to the file that is open.
        struct stat file {};
        if (::stat(link.c_str(), &file) != 0 || !S_ISCHR(file.st_mode))
            continue;
        if (file.st_rdev == device) {
            if (ptyLine < 0 || ourOwn)
                return true;
            holds = true;
        } else if (ptyLine >= 0 && !ourOwn && file.st_rdev == kPtyMaster &&
                   masterOf(process, entry->d_name) == ptyLine) {
            return false;
        }
    }
    return holds;
}

// Whether the character device is a terminal of any kind, as far as /sys tells; pseudo-terminal
// line ends are not listed there.
bool isTerminal(dev_t device, bool isPtyLine) {
    if (isPtyLine)
        return true;
    const std::string subsystem = "/sys/dev/char/" + std::to_string(major(device)) + ':' +
                                  std::to_string(minor(device)) + "/subsystem";
    char target[PATH_MAX];
    const ssize_t length = ::readlink(subsystem.c_str(), target, sizeof target);
    if (length <= 0)
        return true; // no /sys to ask
    return std::string_view(target, static_cast<std::size_t>(length)).ends_with("/tty");
}

} // namespace

bool isDeviceOpen(const QString& path) {
    struct stat device {};
    if (::stat(QFile::encodeName(path).constData(), &device) != 0 || !S_ISCHR(device.st_mode))
        return false;
    const int ptyLine = ptyNumber(path);
    const std::string self = std::to_string(::getpid());
    const Dir processes(::opendir("/proc"));
    if (!processes)
        return false;
    while (const dirent* entry = ::readdir(processes.get()))
        if (isNumber(entry->d_name) &&
            processUses(entry->d_name, device.st_rdev, ptyLine, entry->d_name == self))
            return true;
    return false;
}

bool isPlainlyNotATerminal(const QString& path) {
    struct stat file {};
    if (::stat(QFile::encodeName(path).constData(), &file) != 0)
        return false;
    return !S_ISCHR(file.st_mode) || !isTerminal(file.st_rdev, ptyNumber(path) >= 0);
}

#else

bool isDeviceOpen(const QString&) {
    return false;
}

bool isPlainlyNotATerminal(const QString&) {
    return false;
}

#endif

} // namespace quorl
