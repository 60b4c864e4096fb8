#pragma once

// How every job wakes the radio: 0x02 and "PROGRA", each byte written on its own, answered
// with 0x06; then "M" and 0x02, answered with 8 bytes of identification we do not need, and
// the go-ahead 0x06, answered with 0x06.

#include <array>
#include <cstddef>
#include <cstdint>

namespace quorl {

inline constexpr std::array<std::uint8_t, 7> kHandshake{0x02, 0x50, 0x52, 0x4F, 0x47, 0x52, 0x41};
inline constexpr std::uint8_t kAck = 0x06;
inline constexpr std::uint8_t kModeSelect = 0x4D; // "M", followed by 0x02
inline constexpr std::uint8_t kModeSelectEnd = 0x02;
inline constexpr std::size_t kIdentLength = 8;

} // namespace quorl
