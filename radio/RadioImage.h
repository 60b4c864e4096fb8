#pragma once

// The radio's 8 KB configuration memory, byte for byte: image offset A is radio address A.
// Every offset the program interprets is named here, next to the map it comes from.

#include <array>
#include <cstddef>
#include <cstdint>

namespace quorl {

constexpr std::size_t kImageSize = 8192;
constexpr std::size_t kImageRows = 512;
constexpr std::size_t kImageRowBytes = 16;
constexpr std::uint8_t kErased = 0xFF;

using RadioImage = std::array<std::uint8_t, kImageSize>;

// Channels 1..199: a 16-byte record and an 8-byte name slot each.
constexpr int kChannelCount = 199;
constexpr std::size_t kChannelRecordsBase = 0x0000;
constexpr std::size_t kChannelRecordSize = 16;
constexpr std::size_t kChannelNamesBase = 0x0C90;
constexpr std::size_t kChannelNameSize = 8;

constexpr std::size_t channelRecordOffset(int channel) {
    return kChannelRecordsBase + static_cast<std::size_t>(channel - 1) * kChannelRecordSize;
}
constexpr std::size_t channelNameOffset(int channel) {
    return kChannelNamesBase + static_cast<std::size_t>(channel - 1) * kChannelNameSize;
}

// Byte positions inside a ChannelRecord.
constexpr std::size_t kRecReceive = 0;  // 4 bytes BCD, least significant first, 10 Hz units
constexpr std::size_t kRecTransmit = 4; // same form
constexpr std::size_t kRecRxTone = 8;   // ToneCode: low byte, then high byte
constexpr std::size_t kRecTxTone = 10;  // ToneCode
constexpr std::size_t kRecFlags = 12;
constexpr std::uint8_t kFlagTxPowerHigh = 1u << 5;
constexpr std::uint8_t kFlagScan = 1u << 4;
constexpr std::uint8_t kFlagBusyLockMask = 0x03; // 0 No, 1 Carrier, 2 QT/DQT, 3 reads as No

// Radio-wide settings.
constexpr std::size_t kSettingsFlags = 0x1810;
constexpr std::uint8_t kScramblerFunctionOffBit = 1u << 7; // 0 = on
constexpr std::uint8_t kChannelNameDisplayBit = 1u << 6;
constexpr std::uint8_t kDisplayPttIdBit = 1u << 0;

constexpr std::size_t kAudioFlags = 0x1811;
constexpr std::uint8_t kWideBit = 1u << 6;
constexpr std::uint8_t kBeepBit = 1u << 4;
constexpr std::uint8_t kBatterySaveBit = 1u << 3;

constexpr std::size_t kSquelchLevel = 0x1812;
constexpr std::size_t kTimeOutTime = 0x1813;
constexpr std::uint8_t kTimeOutTimeMask = 0x1F;
constexpr std::size_t kVoxGainLevel = 0x1814;
constexpr std::size_t kResetOnly1815 = 0x1815;
constexpr std::size_t kZeroedOnEncode = 0x1816;

constexpr std::size_t kEmergencyFlags = 0x1817;
constexpr std::uint8_t kEmergencySwitchMask = 0x03;
constexpr std::uint8_t kScramblerActivationOffBit = 1u << 7; // 0 = on

constexpr std::size_t kResetOnly1818 = 0x1818;
constexpr std::size_t kResetOnly1819 = 0x1819;
constexpr std::size_t kResetOnly1820 = 0x1820;
constexpr std::size_t kEmergencyTransmitTime = 0x1828;
constexpr std::size_t kEmergencyReceiveTime = 0x1829;
constexpr std::size_t kTotPreAlert = 0x182A;
constexpr std::uint8_t kTotPreAlertMask = 0x0F;
constexpr std::size_t kTotRekeyTimes = 0x182B;
constexpr std::uint8_t kTotRekeyTimesMask = 0x3F;
constexpr std::size_t kTotResetTimes = 0x182C;
constexpr std::uint8_t kTotResetTimesMask = 0x0F;

constexpr std::size_t kMenuFlags = 0x182D;
constexpr std::uint8_t kDisableMenuOffBit = 1u << 0; // 0 = ticked
constexpr std::uint8_t kPowerMenuBit = 1u << 1;
constexpr std::uint8_t kScramblerMenuBit = 1u << 2;

constexpr std::size_t kMicInputGain = 0x1830;
constexpr std::size_t kAudioInputGain = 0x1831;
constexpr std::size_t kModOutputGain = 0x1832;
constexpr std::size_t kAudioOutputGain = 0x1833;
constexpr std::uint8_t kGainMask = 0x07;
constexpr std::size_t kScramblerInversion = 0x1834; // 16 bits, high byte first
constexpr std::size_t kCompandorFlags = 0x1836;
constexpr std::uint8_t kCompandorBit = 1u << 0;
constexpr std::uint8_t kPreDeEmphasisBit = 1u << 1;
constexpr std::size_t kToneLevel = 0x1837; // CTCSS/DCS level, 16 bits, high byte first

constexpr std::size_t kPttIdCode = 0x1D30;
constexpr std::size_t kPttIdCodeSize = 16;
constexpr std::size_t kPttIdMode = 0x1D40;
constexpr std::uint8_t kPttIdModeMask = 0x03;

constexpr std::size_t kModelType = 0x1F00;
constexpr std::size_t kModelField = 0x1F01;
constexpr std::uint8_t kModelIndexMask = 0x03;

// New: every byte erased, then the factory values of the settings area.
void resetImage(RadioImage& image);

} // namespace quorl
