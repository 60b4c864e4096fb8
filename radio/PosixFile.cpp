#include "PosixFile.h"

#include <fcntl.h>

namespace quorl::posix {

FileResult success(const std::filesystem::path& path) {
    return {true, path, {}, {}};
}

FileResult failure(const std::filesystem::path& path, const std::string& why) {
    return {false, path, why, {}};
}

FileResult failure(const std::filesystem::path& path, std::error_code error) {
    return {false, path, error.message(), error};
}

FileResult failureFromErrno(const std::filesystem::path& path, int error) {
    return failure(path, std::error_code(error, std::generic_category()));
}

// The look before opening keeps a pipe or a device unopened; the look at what was opened
// covers a file swapped in between.
FileResult openRegular(const std::filesystem::path& path, int flags, Descriptor& file,
                       struct stat& info) {
    if (::stat(path.c_str(), &info) != 0)
        return failureFromErrno(path);
    if (S_ISREG(info.st_mode)) {
        file = Descriptor(::open(path.c_str(), flags | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        if (!file || ::fstat(file.get(), &info) != 0)
            return failureFromErrno(path);
    }
    if (!S_ISREG(info.st_mode))
        return failure(path, "it is not a regular file");
    return success(path);
}

} // namespace quorl::posix
