#pragma once

// Every file the program writes goes through here: the bytes go into a temporary file beside
// the target, every write and the flush to disk are checked, and only a complete file takes
// the target's name. A failure leaves what was there as it was and says why.

#include "FileResult.h"

#include <filesystem>
#include <string_view>

namespace quorl {

// Replaces the file at path with bytes; the old file's permissions and owner stay. A symbolic
// link is written through, to its target, which is created if it is missing. What is not a
// regular file (a named pipe, a device, a folder, a link loop) is refused and left alone, and
// so is a file we may not write. Where the folder takes no new file but the file itself may be
// written, the bytes are written over the file in place. Temporary files that earlier saves to
// the same target left behind (a save that was killed) are removed.
FileResult replaceFile(const std::filesystem::path& path, std::string_view bytes);

// Creates a file under a name that nothing has yet. Whatever has the name already, a symbolic
// link included, is neither followed nor replaced: the error is then file_exists.
FileResult createNewFile(const std::filesystem::path& path, std::string_view bytes);

// Adds the bytes at the end of the file, creating it if it is missing, and flushes them to
// disk; a log's lines from several programs never overwrite each other. What is not a regular
// file is refused and left alone, as replaceFile refuses it. A failure half-way may leave part
// of the bytes at the end.
FileResult appendToFile(const std::filesystem::path& path, std::string_view bytes);

} // namespace quorl
