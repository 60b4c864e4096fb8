#include "EmergencySettings.h"

#include <span>

namespace quorl {

namespace {

int entryOf(std::span<const TimeEntry> entries, std::uint8_t byte) {
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].byte == byte)
            return static_cast<int>(i);
    return kNoSelection;
}

void storeTime(std::span<const TimeEntry> entries, int selection, std::uint8_t& byte) {
    if (selection >= 0 && selection < static_cast<int>(entries.size()))
        byte = entries[static_cast<std::size_t>(selection)].byte;
}

} // namespace

EmergencyState decodeEmergency(const RadioImage& image) {
    EmergencyState state;
    state.transmitTime = entryOf(kEmergencyTransmitTimes, image[kEmergencyTransmitTime]);
    state.receiveTime = entryOf(kEmergencyReceiveTimes, image[kEmergencyReceiveTime]);
    state.callSwitch = image[kEmergencyFlags] & kEmergencySwitchMask;
    return state;
}

void encodeEmergency(const EmergencyState& state, RadioImage& image) {
    storeTime(kEmergencyTransmitTimes, state.transmitTime, image[kEmergencyTransmitTime]);
    storeTime(kEmergencyReceiveTimes, state.receiveTime, image[kEmergencyReceiveTime]);
    if (state.callSwitch != kNoSelection)
        image[kEmergencyFlags] =
            static_cast<std::uint8_t>((image[kEmergencyFlags] & ~kEmergencySwitchMask) |
                                      (state.callSwitch & kEmergencySwitchMask));
}

} // namespace quorl
