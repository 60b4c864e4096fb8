#include "SettingsCodec.h"

#include "Bits.h"

namespace quorl {

namespace {

constexpr int kHighestSquelch = 9;
constexpr int kHighestVoxGain = 10;
constexpr int kNoTypeSelected = 3;   // a stored Type of 3 names no model
constexpr int kFirstFieldUnused = 2; // stored Fields 2 and 3 name no band
constexpr int kVhfType = 2;

constexpr std::array<std::string_view, 2> kUhfBands{"400 - 470MHz", "430 - 450MHz"};
constexpr std::array<std::string_view, 2> kVhfBands{"136 - 175MHz", "144 - 146MHz"};

// A list selection as the panel stores it: its index modulo 256, so "none" (-1) is 0xFF.
std::uint8_t lowByte(int selection) {
    return static_cast<std::uint8_t>(selection);
}

} // namespace

std::array<std::string_view, 2> fieldBandTexts(int typeIndex) {
    return typeIndex >= 0 && typeIndex < kVhfType ? kUhfBands : kVhfBands;
}

SettingsState decodeSettings(const RadioImage& image) {
    SettingsState state;
    const std::uint8_t audio = image[kAudioFlags];
    state.batterySave = isSet(audio, kBatterySaveBit);
    state.beep = isSet(audio, kBeepBit);
    const int squelch = image[kSquelchLevel];
    state.squelch = squelch <= kHighestSquelch ? squelch : 0;
    const int vox = image[kVoxGainLevel];
    state.voxGain = vox <= kHighestVoxGain ? vox : 0;
    state.wideNarrow = isSet(audio, kWideBit) ? 1 : 0;

    const std::uint8_t flags = image[kSettingsFlags];
    state.channelName = isSet(flags, kChannelNameDisplayBit) ? 0 : 1;
    const int type = image[kModelType] & kModelIndexMask;
    state.type = type == kNoTypeSelected ? kNoSelection : type;
    const int field = image[kModelField] & kModelIndexMask;
    state.field = field >= kFirstFieldUnused ? kNoSelection : field;

    const std::uint8_t menu = image[kMenuFlags];
    state.disableMenu = !isSet(menu, kDisableMenuOffBit);
    state.powerMenu = isSet(menu, kPowerMenuBit);
    state.scramblerMenu = isSet(menu, kScramblerMenuBit);
    state.scramblerFunction = !isSet(flags, kScramblerFunctionOffBit);
    return state;
}

void encodeSettings(const SettingsState& state, RadioImage& image) {
    setBit(image[kAudioFlags], kBatterySaveBit, state.batterySave);
    setBit(image[kAudioFlags], kBeepBit, state.beep);
    setBit(image[kSettingsFlags], kChannelNameDisplayBit, state.channelName != 1);
    image[kSquelchLevel] = lowByte(state.squelch);
    image[kZeroedOnEncode] = 0x00;
    image[kVoxGainLevel] = lowByte(state.voxGain);
    setBit(image[kAudioFlags], kWideBit, state.wideNarrow != 0);
    image[kModelType] = (image[kModelType] & ~kModelIndexMask) | lowByte(state.type);
    image[kModelField] = (image[kModelField] & ~kModelIndexMask) | lowByte(state.field);
    setBit(image[kMenuFlags], kPowerMenuBit, state.powerMenu);
    setBit(image[kMenuFlags], kDisableMenuOffBit, !state.disableMenu);
    setBit(image[kMenuFlags], kScramblerMenuBit, state.scramblerMenu);
    setBit(image[kSettingsFlags], kScramblerFunctionOffBit, !state.scramblerFunction);
}

} // namespace quorl
