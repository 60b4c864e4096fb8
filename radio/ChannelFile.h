#pragma once

// The ".sin" channel data file: the 8192 image bytes, raw, nothing else.

#include "RadioImage.h"

#include <filesystem>
#include <string>
#include <system_error>

namespace quorl {

// How a load or a save went. A failure names the file and says why apart, so that whoever
// tells the user writes the sentence once.
struct FileResult {
    bool ok = false;
    std::filesystem::path path; // the file asked for
    std::string reason;         // why it failed, in words a user can act on; empty on success
    std::error_code error;      // the system's error behind the reason, when there is one
};

// Reads the first 8192 bytes of a regular file. A shorter file is refused, and so is anything
// else (a named pipe, a device, a folder), without waiting on it. On any failure the image is
// untouched.
FileResult loadChannelFile(const std::filesystem::path& path, RadioImage& image);

// Writes a temporary file beside the target, flushes it to disk and renames it over the
// target, so that a failed save never damages the file that was there; the old file's
// permissions stay. A symbolic link is saved through, to its target, which is created if it
// is missing. Where the folder takes no new file but the file itself may be written, the
// image is written over the file in place.
FileResult saveChannelFile(const std::filesystem::path& path, const RadioImage& image);

} // namespace quorl
