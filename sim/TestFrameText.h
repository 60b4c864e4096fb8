#pragma once

// A test-mode step as the simulated radio tells a person watching it: the bytes as they came,
// then what they mean.

#include "SimRadio.h"

#include <cstdint>
#include <span>
#include <string>

namespace quorl {

// Bytes as two hex digits each, one blank between them: "25 06 60 44".
std::string hexBytes(std::span<const std::uint8_t> bytes);

// "command 73: Squelch Level",
// "frequencies 25 06 60 44 25 06 60 44: receive 446.00625 MHz, transmit 446.00625 MHz",
// "values 70 06 00 00 FB 01 01 A0: receive tone 67.0 Hz, transmit tone off, value 160".
std::string describeTestFrame(const SimTestFrame& frame);

} // namespace quorl
