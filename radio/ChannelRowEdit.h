#pragma once

// What an edit of one cell does to the rest of its row: the defaults a row gets with its
// first frequency, the clearing that follows an erased frequency, and how typed texts
// become list entries.

#include "ChannelCodec.h"
#include "ToneTable.h"

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorl {

using ChannelRow = ChannelSheet::Row;

// "CH:001" … "CH:199".
std::string defaultChannelName(int channel);

// A row has a frequency when its Receive or Transmit cell is not empty.
bool rowHasFrequency(const ChannelRow& row);

// Where the erase of a frequency decides whether the row's flags and name go too.
enum class EraseCheck {
    FrequenciesAndTones, // leaving the cell: Receive, Transmit and both tones all empty
    FrequenciesOnly,     // Enter in the editor: Receive and Transmit empty
};

// Writes a checked frequency text (empty for an erase or a refused entry) into column 1 or 2.
void commitFrequency(ChannelRow& row, int channel, int column, const std::string& text,
                     EraseCheck eraseCheck);

// ASCII letters compared without their case; every other byte as it is.
bool equalIgnoringCase(std::string_view a, std::string_view b);

// The tone table entry equal to a typed text ignoring case, as the table spells it.
std::optional<std::string> findToneEntry(const ToneTable& tones, std::string_view typed);

// The tone a typed text stands for: the table entry equal to it ignoring case, else "OFF".
std::string resolveToneText(const ToneTable& tones, std::string_view typed);

// The list entry a drop-down shows for a cell text: the first that begins with the text,
// ignoring case (an empty text matches the first entry); the first entry when none does.
std::size_t matchListEntry(const std::vector<std::string>& entries, std::string_view text);

} // namespace quorl
