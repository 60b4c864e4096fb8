#pragma once

// The audio options of the image ↔ the Option Function dialog: four gains, Compandor,
// Pre/De-Emphasis, the scrambler's inversion frequency and the CTCSS/DCS level. The two numbers
// travel as the texts of the dialog's edits.

#include "RadioImage.h"
#include "SettingsCodec.h"

#include <array>
#include <string>
#include <string_view>

namespace quorl {

// MIC input, audio input, MOD output and audio output: lists "0" to "7".
constexpr int kGainCount = 4;
constexpr int kGainEntries = kGainMask + 1;

struct OptionFunctionState {
    std::array<int, kGainCount> gains{kNoSelection, kNoSelection, kNoSelection, kNoSelection};
    bool compandor = false;     // 1115
    bool preDeEmphasis = false; // 1116
    std::string scramblerText;  // 1080, hertz
    std::string toneLevelText;  // 1081, the stored number as it stands
    friend bool operator==(const OptionFunctionState&, const OptionFunctionState&) = default;
};

OptionFunctionState decodeOptionFunction(const RadioImage& image);
// A gain with nothing selected keeps its byte. The texts are read as whole numbers (no number
// reads as 0); a number beyond what 16 bits hold stores the largest value.
void encodeOptionFunction(const OptionFunctionState& state, RadioImage& image);

// The values an edit accepts when the user leaves it.
struct EditRange {
    int lowest;
    int highest;
};
constexpr EditRange kScramblerRange{3000, 4000};
constexpr EditRange kToneLevelRange{100, 4000};

// The text read as a whole number, an empty text counting as 0.
bool inRange(const EditRange& range, std::string_view text);

} // namespace quorl
