#pragma once

#include <cstdint>

namespace quorl::testkit {

// Time that passes only when the simulated line or the pacer says so, in microseconds.
struct VirtualClock {
    std::int64_t now = 0;
    void advanceMs(std::int64_t ms) { now += ms * 1000; }
    double elapsedMs() const { return static_cast<double>(now) / 1000.0; }
};

} // namespace quorl::testkit
