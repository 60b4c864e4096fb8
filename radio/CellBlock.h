#pragma once

// Blocks of cell texts on the clipboard, as spreadsheets give and take them: one line a row,
// fields apart by tabs (a text without a tab may use commas, with double quotes around a field
// that holds one). Clipboard text is UTF-8; cell texts are bytes, a name's as Latin-1.
//
// A paste is checked whole before anything changes: every cell as if it had been typed and
// committed (ChannelCellCheck), and the first refused cell is named.

#include "ChannelCellCheck.h"
#include "ChannelCodec.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quorl {

using CellBlock = std::vector<std::vector<std::string>>;

CellBlock parseCellBlock(std::string_view utf8);
// Rows of Latin-1 cells as tab-separated UTF-8 lines, each ended by a line feed.
std::string formatCellBlock(const CellBlock& cells);

// What a paste goes over: whole channels (picked on the channel numbers, in any order), or
// else the block of cells from (top, left) to (bottom, right).
struct CellSelection {
    int top = 1;
    int left = 1;
    int bottom = 1;
    int right = 1;
    std::vector<int> channels; // ascending; empty when cells, not channels, are selected
};

struct PastedCell {
    int channel = 0;
    int column = 0;
    std::string text; // Latin-1
};

struct PlacedBlock {
    std::vector<PastedCell> cells;
    std::optional<CellRefusal> refusal;
};

// Where the block's cells go. A block nine fields wide is whole channels as Copy gives them:
// its first field (the channel number) is left out and the rest go to Receive..Name. Rows go
// to the selected channels in order when there are enough of them, otherwise one below the
// other from the first selected row; columns go from the left of the selection. One cell over
// a selection of several fills every selected cell. A block reaching beyond channel 199 or the
// Name column is refused.
PlacedBlock placeBlock(const CellBlock& block, const CellSelection& selection);

// Writes the cells into the sheet, each row as if they had been typed into it (an emptied
// frequency erases as the editor does), and checks every changed row. On a refusal the sheet
// is left as it was and the first refused cell is returned.
std::optional<CellRefusal> pasteCells(ChannelSheet& sheet, const std::vector<PastedCell>& cells,
                                      const ChannelCellCheck& check);

} // namespace quorl
