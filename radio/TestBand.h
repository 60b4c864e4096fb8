#pragma once

// Where the test mode's three test frequencies open, and the range a typed test frequency is
// held to, for the radio's band as the settings panel shows it. All in 10 Hz units.
//
// The band's centre is the Middle frequency, Low and High lie 10 MHz below and above it; a
// band narrower than 20 MHz puts Low and High on its edges instead. A typed frequency is
// clamped into the band itself, so every frequency the radio can use can be aligned.

#include "BandLimits.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace quorl {

enum class TestSlot { High, Middle, Low };
enum class FrequencyStep { Step5kHz, Step6_25kHz };

struct TestBand {
    BandLimit limits;
    std::uint32_t high;
    std::uint32_t middle;
    std::uint32_t low;

    std::uint32_t opening(TestSlot slot) const;
};

// By the panel's Type and Field selections (-1 for none). No Type counts as the ZR - 103S, whose
// bands the Field list then shows; no Field counts as the first of the two; indices beyond the
// band table as the ZR - 103S's first band.
TestBand testBand(int typeIndex, int fieldIndex);

// The frequency a confirmed test frequency text stands for: its count (frequencyCount(), exact in
// decimals) clamped into the limits, or, inside them, rounded to the step (5 kHz: a remainder
// of 2.5 kHz rounds down; 6.25 kHz: 3.125 kHz and more round up). A negative text or one beyond 32
// bits counts as above every limit.
std::uint32_t confirmTestFrequency(std::string_view text, const BandLimit& limits,
                                   FrequencyStep step);

// MHz with "%8.5f": five decimals, padded with blanks to eight characters.
std::string testFrequencyText(std::uint32_t count);

} // namespace quorl
