#include "ChannelFile.h"

#include <cerrno>
#include <random>
#include <utility>

// POSIX for what the standard library cannot do: open without waiting, and flush to disk.
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace quorl {

namespace {

namespace fs = std::filesystem;

// More symbolic links than this in a row make a loop.
constexpr int kMaxLinks = 40;

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

FileResult success(const fs::path& path) {
    return {true, path, {}, {}};
}

FileResult failure(const fs::path& path, const std::string& why) {
    return {false, path, why, {}};
}

FileResult failure(const fs::path& path, std::error_code error) {
    return {false, path, error.message(), error};
}

FileResult failureFromErrno(const fs::path& path, int error = errno) {
    return failure(path, std::error_code(error, std::generic_category()));
}

// Opens a regular file without ever waiting: a named pipe would wait for a writer, and a
// device may act on being opened. The look before opening keeps those unopened; the look at
// what was opened covers a file swapped in between. `info` then describes the open file.
FileResult openRegular(const fs::path& path, int flags, Descriptor& file, struct stat& info) {
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

// Where a save through symbolic links lands: the last link's target, which need not exist, so
// that saving over a dangling link creates its file instead of replacing the link.
fs::path linkTarget(fs::path path, std::error_code& error) {
    for (int link = 0; link < kMaxLinks; ++link) {
        std::error_code missing;
        if (!fs::is_symlink(fs::symlink_status(path, missing)))
            return path;
        const fs::path next = fs::read_symlink(path, error);
        if (error)
            return {};
        path = next.is_absolute() ? next : path.parent_path() / next;
    }
    error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
    return {};
}

bool writeAll(int fd, const RadioImage& image) {
    std::size_t written = 0;
    while (written < image.size()) {
        const ssize_t n = ::write(fd, image.data() + written, image.size() - written);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        written += static_cast<std::size_t>(n);
    }
    return true;
}

// A new file beside the target, with a name no other file has. Closed on failure (errno set).
Descriptor createTempBeside(const fs::path& target, fs::path& tempPath) {
    std::random_device entropy;
    std::mt19937_64 random(entropy());
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = target;
        tempPath += "." + std::to_string(random() % 1'000'000'000) + ".tmp";
        // O_EXCL: never reuse a file that is already there.
        Descriptor file(
            ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666));
        if (file || errno != EEXIST)
            return file;
    }
    return Descriptor();
}

// Over the old file's own bytes. A failure half-way leaves the file damaged, which the
// temporary file avoids, so this is only for a folder that takes no new file.
FileResult writeInPlace(const fs::path& path, Descriptor& file, const RadioImage& image) {
    if (!writeAll(file.get(), image) || ::ftruncate(file.get(), kImageSize) != 0 ||
        ::fsync(file.get()) != 0 || !file.close())
        return failureFromErrno(path);
    return success(path);
}

} // namespace

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

FileResult saveChannelFile(const fs::path& path, const RadioImage& image) {
    std::error_code linkError;
    const fs::path target = linkTarget(path, linkError);
    if (linkError)
        return failure(path, linkError);

    // The file being replaced, opened for writing: one we may not write stays as it is, even
    // though renaming over it would work. Its permissions and owner go to the new file, and
    // it takes the image itself when the folder takes no new file.
    Descriptor old;
    struct stat info {};
    FileResult opened = openRegular(target, O_WRONLY, old, info);
    if (!opened.ok && opened.error != std::errc::no_such_file_or_directory) {
        opened.path = path;
        return opened;
    }

    fs::path tempPath;
    Descriptor temp = createTempBeside(target, tempPath);
    if (!temp) {
        if (old && (errno == EACCES || errno == EPERM))
            return writeInPlace(path, old, image);
        return failureFromErrno(path);
    }
    if (old) {
        // Only root may give a file to someone else, and others only to a group of theirs;
        // where that is refused, the new file stays ours.
        [[maybe_unused]] const int owned = ::fchown(temp.get(), info.st_uid, info.st_gid);
        ::fchmod(temp.get(), info.st_mode & 07777);
    }

    // Flushed to disk before the rename: a crash never leaves a renamed but empty file.
    if (!writeAll(temp.get(), image) || ::fsync(temp.get()) != 0 || !temp.close() ||
        ::rename(tempPath.c_str(), target.c_str()) != 0) {
        const int error = errno;
        ::unlink(tempPath.c_str());
        return failureFromErrno(path, error);
    }
    return success(path);
}

} // namespace quorl
