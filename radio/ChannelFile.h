#pragma once

// The ".sin" channel data file: the 8192 image bytes, raw, nothing else.

#include "RadioImage.h"

#include <filesystem>
#include <string>

namespace quorl {

struct FileResult {
    bool ok = false;
    std::string reason; // why it failed, in words a user can act on; empty on success
};

// Reads the first 8192 bytes. A shorter file is refused; on any failure the image is untouched.
FileResult loadChannelFile(const std::filesystem::path& path, RadioImage& image);

// Writes a temporary file beside the target and renames it over the target, so that a
// failed save never damages the file that was there.
FileResult saveChannelFile(const std::filesystem::path& path, const RadioImage& image);

} // namespace quorl
