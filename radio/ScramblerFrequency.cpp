#include "ScramblerFrequency.h"

#include <algorithm>

namespace quorl {

namespace {

// F = C × 3662 / 10000 and C = F × 5000 / 1831, in whole numbers.
constexpr std::uint64_t kHertzPerCode = 3662;
constexpr std::uint64_t kHertzScale = 10000;
constexpr std::uint64_t kCodesPerHertz = 5000;
constexpr std::uint64_t kCodeScale = 1831;
constexpr std::uint64_t kLargestCode = 0xFFFF;

// numerator / denominator, a remainder of more than half rounding up.
std::uint64_t roundHalfDown(std::uint64_t numerator, std::uint64_t denominator) {
    const std::uint64_t quotient = numerator / denominator;
    return 2 * (numerator % denominator) > denominator ? quotient + 1 : quotient;
}

} // namespace

std::uint32_t scramblerHertz(std::uint16_t code) {
    return static_cast<std::uint32_t>(roundHalfDown(code * kHertzPerCode, kHertzScale));
}

std::uint16_t scramblerCode(std::uint32_t hertz) {
    return static_cast<std::uint16_t>(
        std::min(roundHalfDown(hertz * kCodesPerHertz, kCodeScale), kLargestCode));
}

} // namespace quorl
