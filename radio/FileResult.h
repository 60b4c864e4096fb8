#pragma once

// How a load or a save went. A failure names the file and says why apart, so that whoever
// tells the user writes the sentence once.

#include <filesystem>
#include <string>
#include <system_error>

namespace quorl {

struct FileResult {
    bool ok = false;
    std::filesystem::path path; // the file asked for
    std::string reason;         // why it failed, in words a user can act on; empty on success
    std::error_code error;      // the system's error behind the reason, when there is one
};

} // namespace quorl
