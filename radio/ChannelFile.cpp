#include "ChannelFile.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <random>
#include <system_error>

namespace quorl {

namespace {

namespace fs = std::filesystem;

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};
using File = std::unique_ptr<std::FILE, FileCloser>;

FileResult failure(const fs::path& path, const std::string& why) {
    return {false, path.string() + ": " + why};
}

FileResult failureFromErrno(const fs::path& path, int error) {
    return failure(path, std::generic_category().message(error));
}

// Closes the file and tells whether everything written reached the system.
bool closeCleanly(File file) {
    return std::fclose(file.release()) == 0;
}

// A new file beside the target, with a name no other file has. Empty on failure (errno set).
File createTempBeside(const fs::path& target, fs::path& tempPath) {
    std::random_device entropy;
    std::mt19937_64 random(entropy());
    for (int attempt = 0; attempt < 100; ++attempt) {
        tempPath = target;
        tempPath += "." + std::to_string(random() % 1'000'000'000) + ".tmp";
        // "x": never reuse a file that is already there.
        File file(std::fopen(tempPath.c_str(), "wbx"));
        if (file || errno != EEXIST)
            return file;
    }
    return nullptr;
}

} // namespace

FileResult loadChannelFile(const fs::path& path, RadioImage& image) {
    File file(std::fopen(path.c_str(), "rb"));
    if (!file)
        return failureFromErrno(path, errno);

    // Read into a buffer first, so that a file that fails part-way leaves the image alone.
    RadioImage buffer;
    const std::size_t read = std::fread(buffer.data(), 1, buffer.size(), file.get());
    if (std::ferror(file.get()))
        return failureFromErrno(path, errno);
    if (read < buffer.size())
        return failure(path, "the file ends after " + std::to_string(read) +
                                 " bytes; a channel data file holds " + std::to_string(kImageSize));
    image = buffer;
    return {true, {}};
}

FileResult saveChannelFile(const fs::path& path, const RadioImage& image) {
    // Save through a symbolic link, not over it.
    std::error_code error;
    fs::path target = path;
    if (fs::is_symlink(fs::symlink_status(path, error))) {
        target = fs::weakly_canonical(path, error);
        if (error)
            return failure(path, error.message());
    }

    // A file we may not write to stays as it is, even though renaming over it would work.
    const bool replacing = fs::exists(fs::status(target, error));
    if (replacing && !File(std::fopen(target.c_str(), "r+b")))
        return failureFromErrno(path, errno);

    fs::path tempPath;
    File file = createTempBeside(target, tempPath);
    if (!file)
        return failureFromErrno(path, errno);

    const bool written = std::fwrite(image.data(), 1, image.size(), file.get()) == image.size();
    const int writeError = errno;
    const bool closed = closeCleanly(std::move(file));
    const int closeError = errno;
    if (!written || !closed) {
        fs::remove(tempPath, error);
        return failureFromErrno(path, written ? closeError : writeError);
    }

    if (replacing)
        fs::permissions(tempPath, fs::status(target, error).permissions(), error);
    fs::rename(tempPath, target, error);
    if (error) {
        const std::string why = error.message();
        fs::remove(tempPath, error);
        return failure(path, why);
    }
    return {true, {}};
}

} // namespace quorl
