#include "ChannelFile.h"

#include "FileReader.h"
#include "FileWriter.h"
#include "PosixFile.h"

#include <algorithm>

namespace quorl {

namespace fs = std::filesystem;
using posix::failure;
using posix::success;

FileResult loadChannelFile(const fs::path& path, RadioImage& image) {
    std::string read; // the image changes only once the whole file is read
    if (FileResult result = readFileStart(path, kImageSize, read); !result.ok)
        return result;
    if (read.size() < kImageSize)
        return failure(path, "the file ends after " + std::to_string(read.size()) +
                                 " bytes; a channel data file holds " + std::to_string(kImageSize) +
                                 " bytes");
    std::copy(read.begin(), read.end(), image.begin());
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
