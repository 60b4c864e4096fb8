#include "PttIdSettings.h"

namespace quorl {

PttIdState decodePttId(const RadioImage& image) {
    PttIdState state;
    state.mode = image[kPttIdMode] & kPttIdModeMask;
    state.display = (image[kSettingsFlags] & kDisplayPttIdBit) != 0;
    for (std::size_t k = 0; k < kPttIdCodeSize; ++k) {
        const std::uint8_t byte = image[kPttIdCode + k];
        if (byte == kErased || byte == 0x00)
            break;
        state.code.push_back(static_cast<char>(byte));
    }
    return state;
}

void encodePttId(const PttIdState& state, RadioImage& image) {
    if (state.mode != kNoSelection)
        image[kPttIdMode] = static_cast<std::uint8_t>((image[kPttIdMode] & ~kPttIdModeMask) |
                                                      (state.mode & kPttIdModeMask));
    image[kSettingsFlags] = state.display ? image[kSettingsFlags] | kDisplayPttIdBit
                                          : image[kSettingsFlags] & ~kDisplayPttIdBit;
    for (std::size_t k = 0; k < kPttIdCodeSize; ++k)
        image[kPttIdCode + k] =
            k < state.code.size() ? static_cast<std::uint8_t>(state.code[k]) : kErased;
}

} // namespace quorl
