#pragma once

// Small files read whole: channel data files and channel lists. Only a regular file, or what
// links lead to one, is opened, and without waiting: a named pipe would wait for a writer, and
// a device may act on being opened.

#include "FileResult.h"

#include <cstddef>
#include <filesystem>
#include <string>

namespace quorl {

// The first `most` bytes of the file, or all of it when it is shorter; asking for one byte more
// than a caller takes tells whether the file is larger. A failure carries the system's error,
// or none when the path is not a regular file.
FileResult readFileStart(const std::filesystem::path& path, std::size_t most, std::string& bytes);

} // namespace quorl
