#pragma once

// A channel row as a spreadsheet holds it, brought to the texts the window's table would have
// been typed: blanks around cells go, a tone given by its value ("67", "67.00") becomes the
// tone list's "67.0", and Scan, Tx Power and BusyLock left empty on a channel with a frequency
// get a new channel's Yes, High and No. A frequency or tone must be a number and nothing else:
// "446.0O625" and "446..00625" are refused rather than read as 446.0, and a decimal comma
// ("446,00625") is refused with a word of its own.

#include "ChannelCodec.h"
#include "ToneTable.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace quorl {

struct CellProblem {
    int column = 0; // table column, 1 (Receive) to 8 (Name)
    std::string message;
};

// Blanks and tabs around the text removed.
std::string trimmedCell(std::string_view cell);

// Columns 1 to 8 of `cells` (Latin-1 bytes as the file holds them). A cell equal to what the
// window shows now for the channel (`current`, or null) is left exactly as it is, blanks and
// all. A refused cell is named in `problems` and marked unreadable, so that the check that
// follows leaves it out.
ChannelSheet::Row spreadsheetRow(const ChannelSheet::Row& cells, const ChannelSheet::Row* current,
                                 const ToneTable& tones,
                                 std::array<bool, kChannelColumns>& readable,
                                 std::vector<CellProblem>& problems);

} // namespace quorl
