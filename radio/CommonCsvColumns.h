#pragma once

// The columns of the common channel list, shared by its import and its export.

#include "NumberText.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace quorl::common_csv {

enum Column : int {
    kLocation,
    kName,
    kFrequency,
    kDuplex,
    kOffset,
    kTone,
    kRToneFreq,
    kCToneFreq,
    kDtcsCode,
    kDtcsPolarity,
    kRxDtcsCode,
    kCrossMode,
    kMode,
    kTStep,
    kSkip,
    kPower,
    kComment,
    kUrCall,
    kRpt1Call,
    kRpt2Call,
    kDvCode,
    kColumnCount
};

constexpr std::array<std::string_view, kColumnCount> kHeadings{
    "Location",  "Name",     "Frequency",    "Duplex",     "Offset",    "Tone",     "rToneFreq",
    "cToneFreq", "DtcsCode", "DtcsPolarity", "RxDtcsCode", "CrossMode", "Mode",     "TStep",
    "Skip",      "Power",    "Comment",      "URCALL",     "RPT1CALL",  "RPT2CALL", "DVCODE"};

// What a row writes for its power; a wattage below 2 W reads back as Low.
constexpr double kLowestHighWatts = 2.0;
constexpr std::string_view kHighWatts = "5.0W";
constexpr std::string_view kLowWatts = "1.0W";

// MHz with the six decimals the layout writes.
inline std::string mhz(std::uint32_t count) {
    return frequencyText(count) + "0";
}

} // namespace quorl::common_csv
