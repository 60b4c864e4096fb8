#pragma once

// Packed BCD bytes: two decimal digits, the tens in the high nibble.

#include <cstdint>

namespace quorl {

// The two-digit number a byte stands for. Nibbles above 9 count at face value (0xFF reads
// as 165): bytes from a radio or a file are shown as they are, never refused.
constexpr int bcdValue(std::uint8_t byte) {
    return (byte >> 4) * 10 + (byte & 0x0F);
}

// The byte for a number 0..99. Numbers outside that range wrap to a byte, never beyond.
constexpr std::uint8_t bcdByte(int number) {
    return static_cast<std::uint8_t>((number / 10) * 16 + number % 10);
}

} // namespace quorl
