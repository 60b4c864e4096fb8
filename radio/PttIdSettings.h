#pragma once

// The PTT ID settings of the image ↔ the PTT ID dialog: the code, its transmit mode and the
// Display PTT ID option.

#include "RadioImage.h"
#include "SettingsCodec.h"

#include <array>
#include <string>
#include <string_view>

namespace quorl {

inline constexpr std::array<std::string_view, 4> kPttIdModeTexts{"OFF", "BOT", "EOT", "Both"};

struct PttIdState {
    int mode = kNoSelection; // 1103, an index of kPttIdModeTexts
    bool display = false;    // 1102
    std::string code;        // 1080, one character per byte
    friend bool operator==(const PttIdState&, const PttIdState&) = default;
};

// The code ends at the first 0xFF or 0x00, or after 16 bytes.
PttIdState decodePttId(const RadioImage& image);
// The code's first 16 characters, then 0xFF up to the 16th byte. Only the mode's two bits and
// the display bit change; with no mode selected its bits stay as they were.
void encodePttId(const PttIdState& state, RadioImage& image);

} // namespace quorl
