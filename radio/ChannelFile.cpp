#include "ChannelFile.h"

#include "FileWriter.h"
#include "PosixFile.h"

#include <fcntl.h>

namespace quorl {

namespace fs = std::filesystem;
using posix::Descriptor;
using posix::failure;
using posix::failureFromErrno;
using posix::openRegular;
using posix::success;

FileResult loadChannelFile(const fs::path& path, RadioImage& image) {
    Descriptor file;
    struct stat info {};
    if (FileResult opened = openRegular(path, O_RDONLY, file, info); !opened.ok)
        return opened;

    // Read into a buffer first, so that a file that fails part-way leaves the image alone.
    RadioImage buffer;
    std::size_t read = 0;
    while (read < buffer.size()) {
        const ssize_t n = ::read(file.get(), buffer.data() + read, buffer.size() - read);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return failureFromErrno(path);
        if (n == 0)
            break;
        read += static_cast<std::size_t>(n);
    }
    if (read < buffer.size())
        return failure(path, "the file ends after " + std::to_string(read) +
                                 " bytes; a channel data file holds " + std::to_string(kImageSize) +
                                 " bytes");
    image = buffer;
    return success(path);
}

namespace {

std::string_view bytes(const RadioImage& image) {
    return {reinterpret_cast<const char*>(image.data()), image.size()};
}

} // namespace

FileResult saveChannelFile(const fs::path& path, const RadioImage& image) {
    return replaceFile(path, bytes(image));
}

FileResult createChannelFile(const fs::path& path, const RadioImage& image) {
    return createNewFile(path, bytes(image));
}

} // namespace quorl
