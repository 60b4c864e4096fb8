#include "RadioImage.h"

#include <utility>

namespace quorl {

namespace {

// Factory values of the settings area; every other byte is erased.
constexpr std::pair<std::size_t, std::uint8_t> kResetValues[] = {
    {kSettingsFlags, 0x94},
    {kAudioFlags, 0x78},
    {kSquelchLevel, 0x05},
    {kTimeOutTime, 0x06},
    {kVoxGainLevel, 0x00},
    {kResetOnly1815, 0x03},
    {kZeroedOnEncode, 0x00},
    {kEmergencyFlags, 0x36},
    {kResetOnly1818, 0x01},
    {kResetOnly1819, 0x00},
    {kResetOnly1820, 0x00},
    {kEmergencyTransmitTime, 0x05},
    {kEmergencyReceiveTime, 0x05},
    {kTotPreAlert, 0x00},
    {kTotRekeyTimes, 0x00},
    {kTotResetTimes, 0x00},
    {kMenuFlags, 0x07},
    {kMicInputGain, 0x00},
    {kAudioInputGain, 0x00},
    {kModOutputGain, 0x07},
    {kAudioOutputGain, 0x07},
    {kScramblerInversion, 0x23},
    {kScramblerInversion + 1, 0x33},
    {kCompandorFlags, 0x02},
    {kToneLevel, 0x02},
    {kToneLevel + 1, 0x8A},
    {kPttIdMode, 0xFC},
    {kModelType, 0x00},
    {kModelField, 0x00},
};

} // namespace

void resetImage(RadioImage& image) {
    for (std::size_t row = 0; row < kImageRows; ++row)
        for (std::size_t col = 0; col < kImageRowBytes; ++col)
            image[row * kImageRowBytes + col] = kErased;
    for (const auto& [offset, value] : kResetValues)
        image[offset] = value;
}

} // namespace quorl
