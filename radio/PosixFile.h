#pragma once

// What reading and writing files share in POSIX terms, for the loaders and the writer here:
// the standard library can neither open without waiting nor flush to disk.

#include "FileResult.h"

#include <cerrno>
#include <utility>

#include <sys/stat.h>
#include <unistd.h>

namespace quorl::posix {

class Descriptor {
public:
    explicit Descriptor(int fd = -1) : fd_(fd) {}
    ~Descriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    Descriptor(Descriptor&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}
    Descriptor& operator=(Descriptor&& other) noexcept {
        std::swap(fd_, other.fd_);
        return *this;
    }

    int get() const { return fd_; }
    explicit operator bool() const { return fd_ >= 0; }
    // Closes now; false (errno set) when something written did not reach the system.
    bool close() { return ::close(std::exchange(fd_, -1)) == 0; }

private:
    int fd_;
};

FileResult success(const std::filesystem::path& path);
FileResult failure(const std::filesystem::path& path, const std::string& why);
FileResult failure(const std::filesystem::path& path, std::error_code error);
FileResult failureFromErrno(const std::filesystem::path& path, int error = errno);

// Opens a regular file, or what links lead to one, without ever waiting: a named pipe would
// wait for a writer, and a device may act on being opened. Anything else is refused as "not a
// regular file". `info` then describes the open file.
FileResult openRegular(const std::filesystem::path& path, int flags, Descriptor& file,
                       struct stat& info);

} // namespace quorl::posix
