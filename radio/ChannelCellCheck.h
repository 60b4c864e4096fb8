#pragma once

// Cell texts that arrive from outside the in-place editors (a CSV file, the clipboard) are
// checked as the window checks what is typed into a cell: frequencies against the model and
// band and the step, tones against the tone list, the flag words, names of at most 6
// characters, and only on channels with a frequency. A cell that holds what the window shows
// now for that channel is taken as it is, so that copied texts come back unchanged.

#include "ChannelCodec.h"
#include "FrequencyCheck.h"
#include "ToneTable.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace quorl {

// Why a refused frequency cannot be taken. subject is the cell as the message shows it (quoted,
// perhaps after the name of its column); source names where the Type and Field come from.
std::string frequencyRefusal(FrequencyVerdict verdict, std::string_view subject, int typeIndex,
                             int fieldIndex, std::string_view source);

struct CellRefusal {
    int at = 0;     // the caller's place for the row: a line, a channel
    int column = 0; // table column, 1 (Receive) to 8 (Name)
    std::string message;
};

class ChannelCellCheck {
public:
    // typeIndex and fieldIndex: the Type and Field selections (-1 for none) the frequencies
    // are checked against; source names where they come from in messages ("the file").
    ChannelCellCheck(const ToneTable& tones, int typeIndex, int fieldIndex, std::string source);

    // Checks columns 1 to 8 of cells into row. Cells not readable as text are left out (the
    // caller has reported them). channel 0 is one whose number was wrong; current is the
    // channel as the window shows it now, or null. A row with frequencies alone becomes what
    // typing them into an empty row makes: Receive first, with the defaults of a new channel.
    void check(int at, int channel, const ChannelSheet::Row& cells,
               const std::array<bool, kChannelColumns>& readable, const ChannelSheet::Row* current,
               ChannelSheet::Row& row, std::vector<CellRefusal>& refusals) const;

private:
    const ToneTable& tones_;
    int typeIndex_;
    int fieldIndex_;
    std::string source_;
};

} // namespace quorl
