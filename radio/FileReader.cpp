#include "FileReader.h"

#include "PosixFile.h"

#include <fcntl.h>

namespace quorl {

FileResult readFileStart(const std::filesystem::path& path, std::size_t most, std::string& bytes) {
    posix::Descriptor file;
    struct stat info {};
    if (FileResult opened = posix::openRegular(path, O_RDONLY, file, info); !opened.ok)
        return opened;
    std::string read(most, '\0');
    std::size_t size = 0;
    while (size < read.size()) {
        const ssize_t n = ::read(file.get(), read.data() + size, read.size() - size);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return posix::failureFromErrno(path);
        if (n == 0)
            break;
        size += static_cast<std::size_t>(n);
    }
    read.resize(size);
    bytes = std::move(read);
    return posix::success(path);
}

} // namespace quorl
