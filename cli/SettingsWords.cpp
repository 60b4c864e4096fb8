#include "SettingsWords.h"

namespace quorl {

namespace {

template <typename Texts> std::string listText(const Texts& texts, int selection) {
    if (selection < 0 || selection >= static_cast<int>(texts.size()))
        return "(none)";
    return std::string(texts[static_cast<std::size_t>(selection)]);
}

// "0".."9" for the squelch; the VOX gain list starts with "OFF" in place of 0.
std::string levelText(int selection, bool zeroIsOff) {
    if (selection < 0)
        return "(none)";
    return selection == 0 && zeroIsOff ? "OFF" : std::to_string(selection);
}

std::string checkText(bool ticked) {
    return ticked ? "ticked" : "not ticked";
}

} // namespace

std::vector<std::pair<std::string, std::string>> settingsWords(const SettingsState& state) {
    return {
        {"Type", listText(kTypeTexts, state.type)},
        {"Field", listText(fieldBandTexts(state.type), state.field)},
        {"Channel Name", listText(kChannelNameTexts, state.channelName)},
        {"Squelch Level", levelText(state.squelch, false)},
        {"W/N", listText(kWideNarrowTexts, state.wideNarrow)},
        {"Vox Gain Level", levelText(state.voxGain, true)},
        {"Scrambler Function", checkText(state.scramblerFunction)},
        {"Battery Save", checkText(state.batterySave)},
        {"Disable Menu", checkText(state.disableMenu)},
        {"Scrambler Menu", checkText(state.scramblerMenu)},
        {"Power Menu", checkText(state.powerMenu)},
        {"Beep", checkText(state.beep)},
    };
}

} // namespace quorl
