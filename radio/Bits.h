#pragma once

// Single bits of the image's flag bytes, named by their masks.

#include <cstdint>

namespace quorl {

constexpr bool isSet(std::uint8_t byte, std::uint8_t bit) {
    return (byte & bit) != 0;
}

// Sets or clears the bit and leaves every other bit of the byte as it was.
constexpr void setBit(std::uint8_t& byte, std::uint8_t bit, bool on) {
    byte = on ? static_cast<std::uint8_t>(byte | bit) : static_cast<std::uint8_t>(byte & ~bit);
}

} // namespace quorl
