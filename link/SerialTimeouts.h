#pragma once

// The five time-outs of a serial line, in milliseconds, with the meaning serial drivers give
// them: a read gives up after readMultiplier × count + readConstant, or once readInterval
// passes without a new byte after the first one; a write gives up after
// writeMultiplier × count + writeConstant.

#include <cstddef>
#include <cstdint>

namespace quorl {

struct SerialTimeouts {
    int readInterval;
    int readMultiplier;
    int readConstant;
    int writeMultiplier;
    int writeConstant;

    constexpr std::int64_t readTotal(std::size_t count) const {
        return std::int64_t{readMultiplier} * static_cast<std::int64_t>(count) + readConstant;
    }
    constexpr std::int64_t writeTotal(std::size_t count) const {
        return std::int64_t{writeMultiplier} * static_cast<std::int64_t>(count) + writeConstant;
    }
};

// Reading and writing the whole memory: a silent 1-byte read gives up after 590 ms.
inline constexpr SerialTimeouts kCloneTimeouts{30, 500, 90, 50, 50};
// The alignment test mode: a silent 1-byte read gives up after 100 ms.
inline constexpr SerialTimeouts kTestTimeouts{10, 50, 50, 50, 50};

} // namespace quorl
