#pragma once

// The channel table as comma-separated values, for a spreadsheet: the window's nine columns
// under a header row of its headings, one row per channel, UTF-8. A name's bytes travel as the
// characters they stand for (Latin-1).

#include "RadioImage.h"
#include "ToneTable.h"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace quorl {

// All 199 rows, as the window shows them.
std::string exportChannelCsv(const RadioImage& image);

struct CsvCellError {
    int line = 0;         // counting from 1
    int column = 0;       // in the file, counting from 1; 0 when the whole line is wrong
    int tableColumn = -1; // the table's column of the cell (kColReceive ...; 0 is CH), or -1
    std::string message;
};

struct CsvImport {
    std::vector<CsvCellError> errors; // every bad cell and line; when any, the image is as it was
    std::vector<std::string> notes;   // how the text was read: its code page, columns left out
};

// Replaces the channel table of the image with the rows of the text, checked as the window
// checks what is typed into a cell: frequencies against the image's model and band and the
// step, tones against the tone list, the flag words, names of at most 6 characters.
//
// The text is what spreadsheets write: UTF-8 (a byte order mark is skipped) or, when it is not
// UTF-8, Windows-1252; separated by commas, semicolons or tabs (the first line decides); the
// nine headings in any order and case, other columns left out. Blanks around a cell do not
// count. A number is a number only when nothing follows it; tones may be given by value ("67"
// is 67.0), and Scan, Tx Power and BusyLock left empty get a new channel's Yes, High and No.
//
// A cell that holds what the window shows for the image now is taken as it is, so that an
// exported table comes back unchanged. A row with frequencies alone becomes what typing them
// into an empty row of the window makes. Channels without a row are emptied. The image is
// stored as a Save stores it, settings included.
CsvImport importChannelCsv(std::string_view text, const ToneTable& tones, RadioImage& image);

// The frequencies of each row that has any (Receive, Transmit), whatever band they are in; the
// rows of a text without the nine headings are none.
std::vector<std::vector<std::uint32_t>> channelCsvFrequencies(std::string_view text);

} // namespace quorl
