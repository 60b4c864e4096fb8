#include "BandChoice.h"

#include "BandLimits.h"

#include <algorithm>

namespace quorl {

TypeAndField bandHoldingMost(std::span<const std::vector<std::uint32_t>> channels) {
    TypeAndField best;
    std::ptrdiff_t mostHeld = -1;
    for (int type = 0; bandLimit(type, 0); ++type)
        for (int field = 0; const std::optional<BandLimit> band = bandLimit(type, field); ++field) {
            const std::ptrdiff_t held =
                std::count_if(channels.begin(), channels.end(), [&band](const auto& frequencies) {
                    return std::all_of(frequencies.begin(), frequencies.end(),
                                       [&band](std::uint32_t f) { return band->contains(f); });
                });
            if (held > mostHeld) {
                best = {type, field};
                mostHeld = held;
            }
        }
    return best;
}

} // namespace quorl
