#pragma once

// Rearranging the channels of an image. A channel always moves whole: its 16-byte record,
// every bit the program does not interpret included, and its 8-byte name slot, so nothing a
// channel holds is lost or mixed with another's. An emptied channel is erased as by New.
// Channel numbers run from 1 to 199; a list of channels may come in any order and repeat.

#include "RadioImage.h"

#include <vector>

namespace quorl {

// Every byte of the channel's record and name slot erased.
void emptyChannels(RadioImage& image, const std::vector<int>& channels);

// Channel `from` goes to place `to`; the channels between shift by one towards `from`.
void moveChannel(RadioImage& image, int from, int to);

// Each listed channel trades places with its neighbour above (by = -1) or below (by = +1),
// so a block moves as one. False, and nothing changes, when one would leave 1..199.
bool shiftChannels(RadioImage& image, const std::vector<int>& channels, int by);

// An empty channel at `at`; the channels from there down move one place down. False, and
// nothing changes, when channel 199 is in use, since it would be pushed out.
bool insertEmptyChannel(RadioImage& image, int at);

// The listed channels go; the ones below move up, and the last places become empty.
void deleteChannels(RadioImage& image, const std::vector<int>& channels);

enum class SortKey { ReceiveFrequency, Name };

// The listed channels are reordered among their own places: by receive frequency (lowest
// first) or by name (byte order), channels not in use or without that value last, ties in
// their present order.
void sortChannels(RadioImage& image, const std::vector<int>& channels, SortKey key);

} // namespace quorl
