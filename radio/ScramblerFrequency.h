#pragma once

// The scrambler's inversion frequency: the radio keeps a code C, the user sees F = C × 0.7324 / 2
// hertz. Both directions round to the nearest whole number, an exact half downwards, so that
// every frequency shown maps to a code that shows that frequency again.

#include <cstdint>

namespace quorl {

// From 0 (code 0) to 23999 (code 0xFFFF).
std::uint32_t scramblerHertz(std::uint16_t code);

// Frequencies beyond what a code can show give the largest code.
std::uint16_t scramblerCode(std::uint32_t hertz);

} // namespace quorl
