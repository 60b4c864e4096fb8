#pragma once

// The 2-byte stored form of a tone and its two conversions to and from display text.

#include <cstdint>
#include <string>
#include <string_view>

namespace quorl {

struct ToneCode {
    std::uint8_t low = 0xFF;
    std::uint8_t high = 0xFF;
    friend bool operator==(const ToneCode&, const ToneCode&) = default;
};

std::string toneToText(std::uint8_t low, std::uint8_t high);
ToneCode textToTone(std::string_view text);

} // namespace quorl
