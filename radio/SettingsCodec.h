#pragma once

// Radio-wide settings of the image ↔ the controls of the settings panel.

#include "RadioImage.h"

#include <array>
#include <string_view>

namespace quorl {

constexpr int kNoSelection = -1;

// What the panel shows: list selections (kNoSelection for none) and check states.
struct SettingsState {
    int type = kNoSelection;        // 1104: "ZR - 101S", "ZR - 102S", "ZR - 103S"
    int field = kNoSelection;       // 1105: the two band texts of the Type
    int channelName = kNoSelection; // 1107: "ON", "OFF"
    int squelch = kNoSelection;     // 1016: "0".."9"
    int wideNarrow = kNoSelection;  // 1097: "NARROW", "WIDE"
    int voxGain = kNoSelection;     // 1077: "OFF", "1".."10"
    bool scramblerFunction = false; // 1075
    bool batterySave = false;       // 1090
    bool beep = false;              // 1074
    bool disableMenu = false;       // 1109
    bool powerMenu = false;         // 1110
    bool scramblerMenu = false;     // 1117
    friend bool operator==(const SettingsState&, const SettingsState&) = default;
};

inline constexpr std::array<std::string_view, 3> kTypeTexts{"ZR - 101S", "ZR - 102S", "ZR - 103S"};
inline constexpr std::array<std::string_view, 2> kChannelNameTexts{"ON", "OFF"};
inline constexpr std::array<std::string_view, 2> kWideNarrowTexts{"NARROW", "WIDE"};

// The Field list for a Type selection: UHF for types 0 and 1, VHF for 2 or none.
std::array<std::string_view, 2> fieldBandTexts(int typeIndex);

SettingsState decodeSettings(const RadioImage& image);
void encodeSettings(const SettingsState& state, RadioImage& image);

} // namespace quorl
