#pragma once

// The ".sin" channel data file: the 8192 image bytes, raw, nothing else.

#include "FileResult.h"
#include "RadioImage.h"

#include <filesystem>

namespace quorl {

// Reads the first 8192 bytes of a regular file. A shorter file is refused, and so is anything
// else (a named pipe, a device, a folder), without waiting on it. On any failure the image is
// untouched.
FileResult loadChannelFile(const std::filesystem::path& path, RadioImage& image);

// The image as the whole file, written as replaceFile writes: a failed save never damages the
// file that was there.
FileResult saveChannelFile(const std::filesystem::path& path, const RadioImage& image);

// The image as a new file under a name that nothing has yet, as createNewFile writes.
FileResult createChannelFile(const std::filesystem::path& path, const RadioImage& image);

} // namespace quorl
