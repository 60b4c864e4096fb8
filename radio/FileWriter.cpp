#include "FileWriter.h"

#include "PosixFile.h"

#include <algorithm>
#include <cstdio>
#include <functional>
#include <random>

#include <fcntl.h>
#include <sys/file.h>

namespace quorl {

namespace {

namespace fs = std::filesystem;
using posix::Descriptor;
using posix::failure;
using posix::failureFromErrno;

// More symbolic links than this in a row make a loop.
constexpr int kMaxLinks = 40;
constexpr std::string_view kTempSuffix = ".tmp";

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

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

// A temporary file is named "TARGET.NUMBER.tmp".
bool isTempOf(std::string_view name, std::string_view target) {
    if (name.size() <= target.size() + 1 + kTempSuffix.size() || !name.starts_with(target) ||
        name[target.size()] != '.' || !name.ends_with(kTempSuffix))
        return false;
    name.remove_prefix(target.size() + 1);
    name.remove_suffix(kTempSuffix.size());
    return std::all_of(name.begin(), name.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Whether the name still leads to the file open as fd.
bool stillNamed(const fs::path& path, int fd) {
    struct stat named {};
    struct stat open {};
    return ::lstat(path.c_str(), &named) == 0 && ::fstat(fd, &open) == 0 &&
           named.st_dev == open.st_dev && named.st_ino == open.st_ino;
}

// A save holds a lock on its temporary file from creation until the file has its name, so a
// temporary file of this target that can be locked was left by a save that was killed.
void removeStaleTemps(const fs::path& target) {
    const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
    const std::string name = target.filename().string();
    std::error_code error;
    for (fs::directory_iterator entry(folder, error), end; !error && entry != end;
         entry.increment(error)) {
        std::error_code gone;
        if (!isTempOf(entry->path().filename().native(), name) ||
            entry->symlink_status(gone).type() != fs::file_type::regular)
            continue;
        const Descriptor temp(::open(entry->path().c_str(),
                                     O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
        if (temp && ::flock(temp.get(), LOCK_EX | LOCK_NB) == 0 &&
            stillNamed(entry->path(), temp.get()))
            ::unlink(entry->path().c_str());
    }
}

// A new file beside the target, with a name no other file has, locked for the save. Invalid
// on failure (errno set).
Descriptor createTempBeside(const fs::path& target, fs::path& tempPath) {
    std::random_device entropy;
    std::mt19937_64 random(entropy());
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = target;
        tempPath += "." + std::to_string(random() % 1'000'000'000) + std::string(kTempSuffix);
        // O_EXCL: never reuse, nor follow a link to, a file that is already there.
        Descriptor file(
            ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666));
        if (!file && errno != EEXIST)
            return file;
        if (!file)
            continue;
        // Another save's clean-up may have taken the file before this lock; it removes it. A
        // file system without locks leaves temporary files to the user.
        if (::flock(file.get(), LOCK_EX | LOCK_NB) != 0 && errno == EWOULDBLOCK)
            continue;
        if (stillNamed(tempPath, file.get()))
            return file;
    }
    errno = EEXIST;
    return Descriptor();
}

// Writes the bytes, flushes them to disk and closes the file before naming it, so that a crash
// never leaves a named but incomplete file. The temporary file goes on any failure.
FileResult finish(const fs::path& path, Descriptor& temp, const fs::path& tempPath,
                  std::string_view bytes, const std::function<bool()>& name) {
    // Keeps the lock until the file has its name, past the close that may report an error.
    const Descriptor lock(::dup(temp.get()));
    if (!lock || !writeAll(temp.get(), bytes) || ::fsync(temp.get()) != 0 || !temp.close() ||
        !name()) {
        const int error = errno;
        ::unlink(tempPath.c_str());
        return failureFromErrno(path, error);
    }
    return posix::success(path);
}

// Over the old file's own bytes. A failure half-way leaves the file damaged, which the
// temporary file avoids, so this is only for a folder that takes no new file.
FileResult writeInPlace(const fs::path& path, Descriptor& file, std::string_view bytes) {
    if (!writeAll(file.get(), bytes) || ::ftruncate(file.get(), off_t(bytes.size())) != 0 ||
        ::fsync(file.get()) != 0 || !file.close())
        return failureFromErrno(path);
    return posix::success(path);
}

} // namespace

FileResult replaceFile(const fs::path& path, std::string_view bytes) {
    std::error_code linkError;
    const fs::path target = linkTarget(path, linkError);
    if (linkError)
        return failure(path, linkError);

    // The file being replaced, opened for writing: one we may not write stays as it is, even
    // though renaming over it would work. Its permissions and owner go to the new file, and
    // it takes the bytes itself when the folder takes no new file.
    Descriptor old;
    struct stat info {};
    FileResult opened = posix::openRegular(target, O_WRONLY, old, info);
    if (!opened.ok && opened.error != std::errc::no_such_file_or_directory) {
        opened.path = path;
        return opened;
    }

    removeStaleTemps(target);
    fs::path tempPath;
    Descriptor temp = createTempBeside(target, tempPath);
    if (!temp) {
        if (old && (errno == EACCES || errno == EPERM))
            return writeInPlace(path, old, bytes);
        return failureFromErrno(path);
    }
    if (old) {
        // Only root may give a file to someone else, and others only to a group of theirs;
        // where that is refused, the new file stays ours.
        [[maybe_unused]] const int owned = ::fchown(temp.get(), info.st_uid, info.st_gid);
        ::fchmod(temp.get(), info.st_mode & 07777);
    }
    return finish(path, temp, tempPath, bytes,
                  [&] { return ::rename(tempPath.c_str(), target.c_str()) == 0; });
}

FileResult createNewFile(const fs::path& path, std::string_view bytes) {
    fs::path tempPath;
    Descriptor temp = createTempBeside(path, tempPath);
    if (!temp)
        return failureFromErrno(path);
    // Neither call follows or replaces what has the name already; a file system that cannot
    // rename without replacing (NFS) makes a second link and drops the first.
    const auto name = [&] {
        if (::renameat2(AT_FDCWD, tempPath.c_str(), AT_FDCWD, path.c_str(), RENAME_NOREPLACE) == 0)
            return true;
        if (errno != EINVAL || ::link(tempPath.c_str(), path.c_str()) != 0)
            return false;
        ::unlink(tempPath.c_str());
        return true;
    };
    return finish(path, temp, tempPath, bytes, name);
}

FileResult appendToFile(const fs::path& path, std::string_view bytes) {
    Descriptor file;
    struct stat info {};
    FileResult opened = posix::openRegular(path, O_WRONLY | O_APPEND, file, info);
    if (!opened.ok && opened.error == std::errc::no_such_file_or_directory) {
        // O_EXCL: a name that appeared meanwhile, a dangling link included, is refused.
        file = Descriptor(::open(
            path.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_EXCL | O_NOCTTY | O_CLOEXEC, 0666));
        if (!file)
            return failureFromErrno(path);
    } else if (!opened.ok) {
        return opened;
    }
    if (!writeAll(file.get(), bytes) || ::fsync(file.get()) != 0 || !file.close())
        return failureFromErrno(path);
    return posix::success(path);
}

} // namespace quorl
