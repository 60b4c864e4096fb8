#pragma once

// The two 8-byte frames of the alignment exchange. The texts are those the test mode shows;
// their leading number is read as readLeadingNumber() reads it, so a text with no number
// (empty, "OFF", every DCS code) counts as 0. These tones are not the image's ToneCode:
// OFF and DCS go out as 00 00.

#include <array>
#include <cstdint>
#include <string_view>

namespace quorl {

using TestFrame = std::array<std::uint8_t, 8>;

// A frequency in MHz: its count of 10 Hz units (frequencyCount(), exact in decimals) as four BCD
// digit pairs, least significant first. A count the pairs cannot hold (a negative
// text, 1000 MHz and more) is sent as 0, like an empty box.
std::array<std::uint8_t, 4> testFrequencyBytes(std::string_view text);

// A tone in Hz: its tenths (× 10.0, truncated) as two BCD digit pairs, least significant
// first; beyond 0..999.9 Hz it is sent as 0.
std::array<std::uint8_t, 2> testToneBytes(std::string_view text);

// Receive frequency in bytes 0-3, transmit frequency in bytes 4-7.
TestFrame frequencyFrame(std::string_view receive, std::string_view transmit);

// Receive tone in bytes 0-1, transmit tone in 2-3, then FB 01 01 and the parameter's value.
TestFrame valueFrame(std::string_view receiveTone, std::string_view transmitTone,
                     std::uint8_t value);

} // namespace quorl
