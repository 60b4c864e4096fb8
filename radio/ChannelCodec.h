#pragma once

// Channel records of the image ↔ the texts of the channel table.

#include "RadioImage.h"

#include <array>
#include <string>
#include <string_view>

namespace quorl {

// Columns of the channel table; column 0 holds the channel number and is not the codec's.
enum ChannelColumn : int {
    kColReceive = 1,
    kColTransmit = 2,
    kColRxTone = 3,
    kColTxTone = 4,
    kColScan = 5,
    kColTxPower = 6,
    kColBusyLock = 7,
    kColName = 8,
};
constexpr int kChannelColumns = 9;

// Cell texts of rows 0..199 (row n is channel n; row 0 is unused here). Texts are bytes:
// a name's characters map 1:1 to bytes (Latin-1) so that any stored byte survives.
struct ChannelSheet {
    using Row = std::array<std::string, kChannelColumns>;
    std::array<Row, kChannelCount + 1> rows;

    std::string& cell(int row, int column) { return rows.at(row).at(column); }
    const std::string& cell(int row, int column) const { return rows.at(row).at(column); }
};

// A channel is in use when byte 3 or byte 7 of its record is neither 0x00 nor 0xFF.
bool channelInUse(const RadioImage& image, int channel);

ChannelSheet decodeChannels(const RadioImage& image);
// A frequency field that already reads as its cell's value keeps its bytes (several byte
// patterns read alike), so that a Save without edits stores it unchanged.
void encodeChannels(const ChannelSheet& sheet, RadioImage& image);

} // namespace quorl
