#pragma once

// The channel table as comma-separated values, for a spreadsheet: the window's nine columns
// under a header row of its headings, one row per channel, UTF-8. A name's bytes travel as the
// characters they stand for (Latin-1).

#include "RadioImage.h"
#include "ToneTable.h"

#include <string>
#include <string_view>
#include <vector>

namespace quorl {

// All 199 rows, as the window shows them.
std::string exportChannelCsv(const RadioImage& image);

struct CsvCellError {
    int line = 0;   // counting from 1
    int column = 0; // counting from 1 (CH is 1); 0 when the whole line is wrong
    std::string message;
};

// Replaces the channel table of the image with the rows of the text, checked as the window
// checks what is typed into a cell: frequencies against the image's model and band and the
// step, tones against the tone list, the flag words, names of at most 6 characters. A cell
// that holds what the window shows for the image now is taken as it is, so that an exported
// table comes back unchanged. A row with frequencies alone becomes what typing them into an
// empty row of the window makes. Channels without a row are emptied. The image is stored as a
// Save stores it, settings included; on any error it is left alone and every bad cell is
// returned.
std::vector<CsvCellError> importChannelCsv(std::string_view text, const ToneTable& tones,
                                           RadioImage& image);

} // namespace quorl
