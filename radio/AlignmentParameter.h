#pragma once

// The four values a technician sets in the radio's test mode, in the order the test mode
// offers them, with the command byte that selects each and the value it starts from.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace quorl {

enum class AlignmentParameter { TxFrequency, LowPowerVoltage, SquelchLevel, TxPower };

struct AlignmentParameterInfo {
    AlignmentParameter parameter;
    std::string_view name;
    std::uint8_t command;
    std::uint8_t defaultValue;
};

inline constexpr std::array<AlignmentParameterInfo, 4> kAlignmentParameters{{
    {AlignmentParameter::TxFrequency, "TX Frequency", 0x71, 91},          // "q"
    {AlignmentParameter::LowPowerVoltage, "Low Power Voltage", 0x72, 38}, // "r"
    {AlignmentParameter::SquelchLevel, "Squelch Level", 0x73, 160},       // "s"
    {AlignmentParameter::TxPower, "TX Power", 0x74, 47},                  // "t"
}};

constexpr const AlignmentParameterInfo& alignmentParameter(AlignmentParameter parameter) {
    return kAlignmentParameters[static_cast<std::size_t>(parameter)];
}

} // namespace quorl
