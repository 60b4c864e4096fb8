#include "OptionFunctionSettings.h"

#include "Bits.h"
#include "NumberText.h"
#include "ScramblerFrequency.h"

#include <algorithm>

namespace quorl {

namespace {

constexpr std::array<std::size_t, kGainCount> kGainOffsets{kMicInputGain, kAudioInputGain,
                                                           kModOutputGain, kAudioOutputGain};
constexpr std::int32_t kLargestWord = 0xFFFF;

// Numbers are stored high byte first.
std::uint16_t word(const RadioImage& image, std::size_t offset) {
    return static_cast<std::uint16_t>(image[offset] << 8 | image[offset + 1]);
}

void putWord(RadioImage& image, std::size_t offset, std::uint16_t value) {
    image[offset] = static_cast<std::uint8_t>(value >> 8);
    image[offset + 1] = static_cast<std::uint8_t>(value & 0xFF);
}

// The text's whole number, kept within what 16 bits hold.
std::uint16_t readWord(std::string_view text) {
    return static_cast<std::uint16_t>(std::clamp(readLeadingInteger(text), 0, kLargestWord));
}

} // namespace

OptionFunctionState decodeOptionFunction(const RadioImage& image) {
    OptionFunctionState state;
    for (int gain = 0; gain < kGainCount; ++gain)
        state.gains[gain] = image[kGainOffsets[gain]] & kGainMask;
    state.compandor = (image[kCompandorFlags] & kCompandorBit) != 0;
    state.preDeEmphasis = (image[kCompandorFlags] & kPreDeEmphasisBit) != 0;
    state.scramblerText = std::to_string(scramblerHertz(word(image, kScramblerInversion)));
    state.toneLevelText = std::to_string(word(image, kToneLevel));
    return state;
}

void encodeOptionFunction(const OptionFunctionState& state, RadioImage& image) {
    for (int gain = 0; gain < kGainCount; ++gain)
        if (state.gains[gain] != kNoSelection)
            image[kGainOffsets[gain]] = static_cast<std::uint8_t>(state.gains[gain]);
    setBit(image[kCompandorFlags], kCompandorBit, state.compandor);
    setBit(image[kCompandorFlags], kPreDeEmphasisBit, state.preDeEmphasis);
    putWord(image, kScramblerInversion, scramblerCode(readWord(state.scramblerText)));
    putWord(image, kToneLevel, readWord(state.toneLevelText));
}

bool inRange(const EditRange& range, std::string_view text) {
    const std::int32_t value = readLeadingInteger(text);
    return value >= range.lowest && value <= range.highest;
}

} // namespace quorl
