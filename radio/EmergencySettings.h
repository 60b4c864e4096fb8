#pragma once

// The emergency call settings of the image ↔ the three lists of the Emergency Call dialog.

#include "RadioImage.h"
#include "SettingsCodec.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace quorl {

// "Local Alert " ends in a blank, as the radio's list has always shown it.
inline constexpr std::array<std::string_view, 4> kEmergencySwitchTexts{
    "OFF", "Local Alert ", "Local TX Alert", "TX Alert"};

// A list entry and the byte that stands for it.
struct TimeEntry {
    std::string_view text;
    std::uint8_t byte;
};

// Seconds, or 0xFF to transmit until the call is ended.
inline constexpr std::array<TimeEntry, 9> kEmergencyTransmitTimes{{{"3S", 0x03},
                                                                   {"5S", 0x05},
                                                                   {"10S", 0x0A},
                                                                   {"20S", 0x14},
                                                                   {"30S", 0x1E},
                                                                   {"60S", 0x3C},
                                                                   {"120S", 0x78},
                                                                   {"240S", 0xF0},
                                                                   {"Keep TX", 0xFF}}};

// 0x00 for none, seconds, 0xFF to keep receiving, 0xFE for the radio's own choice.
inline constexpr std::array<TimeEntry, 11> kEmergencyReceiveTimes{{{"OFF", 0x00},
                                                                   {"3S", 0x03},
                                                                   {"5S", 0x05},
                                                                   {"10S", 0x0A},
                                                                   {"20S", 0x14},
                                                                   {"30S", 0x1E},
                                                                   {"60S", 0x3C},
                                                                   {"120S", 0x78},
                                                                   {"240S", 0xF0},
                                                                   {"Continue", 0xFF},
                                                                   {"Auto", 0xFE}}};

// List selections, kNoSelection for none.
struct EmergencyState {
    int callSwitch = kNoSelection;   // 1098, an index of kEmergencySwitchTexts
    int transmitTime = kNoSelection; // 1100, an index of kEmergencyTransmitTimes
    int receiveTime = kNoSelection;  // 1101, an index of kEmergencyReceiveTimes
    friend bool operator==(const EmergencyState&, const EmergencyState&) = default;
};

// A time byte that no entry stands for selects nothing.
EmergencyState decodeEmergency(const RadioImage& image);
// Nothing selected leaves the byte, or the switch's two bits, as they were.
void encodeEmergency(const EmergencyState& state, RadioImage& image);

} // namespace quorl
