#pragma once

// A channel list (CSV) opened as a document of its own, and the channel table saved as one.
// Both layouts open: the table's nine columns as export writes them, and the common channel
// list, told apart by its header row.

#include "FileResult.h"
#include "RadioImage.h"
#include "ToneTable.h"

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quorl {

// Far more than 199 rows of either layout can fill.
inline constexpr std::size_t kLargestChannelList = 1024 * 1024;

struct ChannelListOpen {
    FileResult file;                  // reading the file; when it failed, nothing else happened
    bool opened = false;              // the image holds the list
    std::vector<std::string> refused; // "line N: why": rows left out or, when nothing opened,
                                      // every bad entry
    std::vector<std::string> notes;   // what the text lost on the way
};

// A new document of the text: what New makes, with the Type and Field of the band that holds
// most of the list's channels, then the rows imported into it with the checks of quorl-cli
// import. Rows of the common layout that the radio cannot hold are left out; a bad entry in the
// nine columns opens nothing and leaves the image as it was.
ChannelListOpen channelListDocument(std::string_view text, const ToneTable& tones,
                                    RadioImage& image);

// The same from a regular file of at most kLargestChannelList bytes.
ChannelListOpen openChannelList(const std::filesystem::path& path, const ToneTable& tones,
                                RadioImage& image);

// The channel table in the nine columns, written as every file is written.
FileResult saveChannelList(const std::filesystem::path& path, const RadioImage& image);

} // namespace quorl
