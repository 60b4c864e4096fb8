#pragma once

// Allowed channel frequencies by model (Type) and band (Field), in 10 Hz units, inclusive.

#include <cstdint>
#include <optional>

namespace quorl {

struct BandLimit {
    std::uint32_t lower;
    std::uint32_t upper;
    bool contains(std::uint32_t count) const { return lower <= count && count <= upper; }
};

// Empty when Type or Field has no selection or is out of the table.
std::optional<BandLimit> bandLimit(int typeIndex, int fieldIndex);

} // namespace quorl
