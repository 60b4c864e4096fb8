#include "ChannelCodec.h"

#include "Bcd.h"
#include "Bits.h"
#include "FormTexts.h"
#include "NumberText.h"
#include "ToneCode.h"

#include <algorithm>
#include <array>
#include <optional>

namespace quorl {

namespace {

using Bytes = std::uint8_t*;
using ConstBytes = const std::uint8_t*;

// 0x00 or 0xFF in the top byte of a frequency (or the high byte of a tone) marks it empty.
bool isBlankMark(std::uint8_t byte) {
    return byte == 0x00 || byte == kErased;
}

bool inUse(ConstBytes record) {
    return !isBlankMark(record[kRecReceive + 3]) || !isBlankMark(record[kRecTransmit + 3]);
}

// The count of 10 Hz units a field stands for, each nibble at face value; none when its top
// byte marks it empty.
std::optional<std::uint32_t> storedCount(ConstBytes field) {
    if (isBlankMark(field[3]))
        return std::nullopt;
    return static_cast<std::uint32_t>(bcdValue(field[3]) * 1'000'000 + bcdValue(field[2]) * 10'000 +
                                      bcdValue(field[1]) * 100 + bcdValue(field[0]));
}

std::string frequencyCell(ConstBytes field) {
    const std::optional<std::uint32_t> count = storedCount(field);
    return count ? frequencyText(*count) : std::string();
}

// A stored tone shows even on a channel not in use; a missing one shows "OFF" only in use.
std::string toneCell(ConstBytes tone, bool channelInUse) {
    if (!isBlankMark(tone[1]))
        return toneToText(tone[0], tone[1]);
    return channelInUse ? "OFF" : "";
}

std::string_view busyLockText(std::uint8_t flags) {
    switch (flags & kFlagBusyLockMask) {
    case 1:
        return kBusyLockCarrier;
    case 2:
        return kBusyLockQtDqt;
    default:
        return kBusyLockNo;
    }
}

std::string nameCell(ConstBytes slot) {
    std::string name;
    for (std::size_t i = 0; i < kChannelNameSize && !isBlankMark(slot[i]); ++i)
        name += static_cast<char>(slot[i]);
    return name;
}

// The byte that reads as a number 0..165 with its nibbles at face value: BCD up to 159
// (A0..F9 for 100 and more), then FA..FF.
std::uint8_t faceValueByte(std::uint32_t number) {
    const std::uint32_t high = std::min<std::uint32_t>(number / 10, 0x0F);
    return static_cast<std::uint8_t>(high * 16 + number - high * 10);
}

// Bytes that read as the count, each from the top taking as much of it as it holds: plain
// BCD below 1600 MHz, the top byte FA..FE up to 1649.99999 MHz, lower bytes above 99 beyond.
// None when the count is more than four bytes hold (the top byte stops at FE, as FF marks an
// empty field).
std::optional<std::array<std::uint8_t, 4>> countBytes(std::uint32_t count) {
    constexpr std::uint32_t kPlaces[] = {1, 100, 10'000, 1'000'000};
    constexpr std::uint32_t kLargestLower = 165; // FF
    constexpr std::uint32_t kLargestTop = 164;   // FE
    std::array<std::uint8_t, 4> bytes{};
    for (int i = 3; i >= 0; --i) {
        const std::uint32_t held =
            std::min(count / kPlaces[i], i == 3 ? kLargestTop : kLargestLower);
        bytes[i] = faceValueByte(held);
        count -= held * kPlaces[i];
    }
    if (count != 0)
        return std::nullopt;
    return bytes;
}

// Several byte patterns read as one count (0A and 10 both as 10, 25 06 A0 44 as 25 06 00 45):
// a field that still reads as its cell's count keeps its bytes, so that a channel nobody
// edited is stored exactly as it came from the radio or the file.
void encodeFrequency(std::string_view text, Bytes field) {
    const std::uint32_t count = frequencyCount(text).value_or(0);
    if (count != 0 && storedCount(field) == count)
        return;
    const std::optional<std::array<std::uint8_t, 4>> bytes =
        count == 0 ? std::nullopt : countBytes(count);
    if (!bytes) {
        std::fill_n(field, 4, kErased);
        return;
    }
    std::copy(bytes->begin(), bytes->end(), field);
}

void encodeTone(std::string_view text, Bytes tone) {
    const ToneCode code = textToTone(text);
    tone[0] = code.low;
    tone[1] = code.high;
}

std::uint8_t busyLockValue(std::string_view text) {
    if (text == kBusyLockNo)
        return 0;
    if (text == kBusyLockCarrier)
        return 1;
    return 2; // "QT/DQT", and whatever else the cell holds
}

void encodeName(std::string_view text, Bytes slot) {
    for (std::size_t i = 0; i < kChannelNameSize; ++i)
        slot[i] = i < text.size() ? static_cast<std::uint8_t>(text[i]) : kErased;
}

} // namespace

bool channelInUse(const RadioImage& image, int channel) {
    if (channel < 1 || channel > kChannelCount)
        return false;
    return inUse(image.data() + channelRecordOffset(channel));
}

ChannelSheet decodeChannels(const RadioImage& image) {
    ChannelSheet sheet;
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        const ConstBytes record = image.data() + channelRecordOffset(channel);
        const bool used = inUse(record);
        ChannelSheet::Row& row = sheet.rows[channel];
        row[kColReceive] = frequencyCell(record + kRecReceive);
        row[kColTransmit] = frequencyCell(record + kRecTransmit);
        row[kColRxTone] = toneCell(record + kRecRxTone, used);
        row[kColTxTone] = toneCell(record + kRecTxTone, used);
        if (!used)
            continue;
        const std::uint8_t flags = record[kRecFlags];
        row[kColTxPower] = isSet(flags, kFlagTxPowerHigh) ? kTxPowerHigh : kTxPowerLow;
        row[kColScan] = isSet(flags, kFlagScan) ? kScanYes : kScanNo;
        row[kColBusyLock] = busyLockText(flags);
        row[kColName] = nameCell(image.data() + channelNameOffset(channel));
    }
    return sheet;
}

void encodeChannels(const ChannelSheet& sheet, RadioImage& image) {
    for (int channel = 1; channel <= kChannelCount; ++channel) {
        const ChannelSheet::Row& row = sheet.rows[channel];
        const Bytes record = image.data() + channelRecordOffset(channel);
        encodeFrequency(row[kColReceive], record + kRecReceive);
        encodeFrequency(row[kColTransmit], record + kRecTransmit);
        encodeTone(row[kColRxTone], record + kRecRxTone);
        encodeTone(row[kColTxTone], record + kRecTxTone);
        std::uint8_t& flags = record[kRecFlags];
        setBit(flags, kFlagTxPowerHigh, row[kColTxPower] == kTxPowerHigh);
        setBit(flags, kFlagScan, row[kColScan] == kScanYes);
        flags = (flags & ~kFlagBusyLockMask) | busyLockValue(row[kColBusyLock]);
        encodeName(row[kColName], image.data() + channelNameOffset(channel));
    }
}

} // namespace quorl
