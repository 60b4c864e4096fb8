#pragma once

// The time-out timer settings of the image ↔ the four lists of the TOT dialog. Each byte holds
// the index of its list's entry, masked.

#include "RadioImage.h"
#include "SettingsCodec.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace quorl {

inline constexpr std::array<std::string_view, 9> kTimeOutTimeTexts{
    "Off", "30s", "60s", "90s", "120s", "150s", "180s", "210s", "240s"};

// "Off", then "<n>s" for n from first to last seconds.
std::vector<std::string> totSecondsTexts(int first, int last);

// The seconds the three other lists offer after their "Off".
constexpr int kTotPreAlertFirst = 1;
constexpr int kTotPreAlertLast = 15;
constexpr int kTotRekeyFirst = 0; // "0s" is an entry of its own after "Off"
constexpr int kTotRekeyLast = 60;
constexpr int kTotResetFirst = 1;
constexpr int kTotResetLast = 15;

// List selections, kNoSelection for none.
struct TotState {
    int timeOutTime = kNoSelection; // 1092
    int preAlert = kNoSelection;    // 1099
    int rekeyTimes = kNoSelection;  // 1102
    int resetTimes = kNoSelection;  // 1103
    friend bool operator==(const TotState&, const TotState&) = default;
};

// A masked byte with no entry in its list selects nothing.
TotState decodeTot(const RadioImage& image);
// Each selection, masked, becomes the whole byte: nothing selected stores the mask.
void encodeTot(const TotState& state, RadioImage& image);

} // namespace quorl
