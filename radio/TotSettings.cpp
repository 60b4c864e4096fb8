#include "TotSettings.h"

namespace quorl {

namespace {

struct TotByte {
    std::size_t offset;
    std::uint8_t mask;
    int entries;
    int TotState::*selection;
};

constexpr int secondsEntries(int first, int last) {
    return 1 + last - first + 1;
}

constexpr TotByte kTotBytes[] = {
    {kTimeOutTime, kTimeOutTimeMask, static_cast<int>(kTimeOutTimeTexts.size()),
     &TotState::timeOutTime},
    {kTotPreAlert, kTotPreAlertMask, secondsEntries(kTotPreAlertFirst, kTotPreAlertLast),
     &TotState::preAlert},
    {kTotRekeyTimes, kTotRekeyTimesMask, secondsEntries(kTotRekeyFirst, kTotRekeyLast),
     &TotState::rekeyTimes},
    {kTotResetTimes, kTotResetTimesMask, secondsEntries(kTotResetFirst, kTotResetLast),
     &TotState::resetTimes},
};

} // namespace

std::vector<std::string> totSecondsTexts(int first, int last) {
    std::vector<std::string> texts{"Off"};
    for (int seconds = first; seconds <= last; ++seconds)
        texts.push_back(std::to_string(seconds) + "s");
    return texts;
}

TotState decodeTot(const RadioImage& image) {
    TotState state;
    for (const TotByte& byte : kTotBytes) {
        const int value = image[byte.offset] & byte.mask;
        state.*byte.selection = value < byte.entries ? value : kNoSelection;
    }
    return state;
}

void encodeTot(const TotState& state, RadioImage& image) {
    for (const TotByte& byte : kTotBytes)
        image[byte.offset] = static_cast<std::uint8_t>(state.*byte.selection & byte.mask);
}

} // namespace quorl
