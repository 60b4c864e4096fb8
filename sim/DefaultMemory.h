#pragma once

#include "RadioImage.h"

namespace quorl {

// What the simulated radio holds when it is given no image: a ZR - 101S on 400–470 MHz with
// eight UHF channels (PMR446, a repeater pair, business channels with CTCSS and DCS tones,
// mixed scan and power) and everyday settings. Everything else is as after New.
RadioImage defaultSimMemory();

} // namespace quorl
