#pragma once

// The model and band (Type, Field) that fit a list of channels best, for a channel list that
// names neither.

#include <cstdint>
#include <span>
#include <vector>

namespace quorl {

struct TypeAndField {
    int type = 0;
    int field = 0;
    friend bool operator==(const TypeAndField&, const TypeAndField&) = default;
};

// Each channel is the frequencies it uses, in 10 Hz units; a band holds a channel when it
// contains every one of them. The Type and Field whose band holds the most channels; a tie goes
// to the first in the band table, so a list that fits both bands of a model gets the wider one,
// and a list that fits none gets what New has (ZR - 101S, 400 - 470MHz).
TypeAndField bandHoldingMost(std::span<const std::vector<std::uint32_t>> channels);

} // namespace quorl
