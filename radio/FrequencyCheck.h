#pragma once

// The checks a typed channel frequency passes before it reaches the table: a number in
// 67–521 MHz, inside the band of the chosen model, on the 6.25 kHz or 5 kHz raster.

#include "BandLimits.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorl {

enum class FrequencyVerdict { Accepted, BadFormat, OutOfRange, BadStep };

struct FrequencyCheck {
    FrequencyVerdict verdict = FrequencyVerdict::BadFormat;
    std::string text;        // what the cell shows when accepted, "%3.5f" MHz; empty otherwise
    std::uint32_t count = 0; // 10 Hz units, when accepted
};

// band is the limit of the Type and Field selected now; without one every frequency is
// out of range, since no band means no frequency the radio could take.
FrequencyCheck checkFrequency(std::string_view typed, std::optional<BandLimit> band);

// The message a refused entry shows; empty for Accepted.
std::string_view frequencyMessage(FrequencyVerdict verdict);

} // namespace quorl
