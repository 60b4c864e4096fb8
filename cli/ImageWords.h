#pragma once

// A radio image in words, as the window shows it: the settings panel and the channel table,
// and what differs between two images.

#include "RadioImage.h"

#include <cstddef>
#include <string>
#include <vector>

namespace quorl {

// The settings, one caption and value a line, then the table's heading and every channel row
// that shows something. Control bytes of names are written as \xNN.
std::string dumpImage(const RadioImage& image);

// One line for each table cell and each setting that differs ("channel 3 Rx Tone: OFF ->
// 67.0", "Squelch Level: 5 -> 3"), then one naming the byte ranges that differ, the bytes
// that nothing shows included. Only the first `length` bytes are compared.
std::vector<std::string> describeDifferences(const RadioImage& before, const RadioImage& after,
                                             std::size_t length = kImageSize);

} // namespace quorl
