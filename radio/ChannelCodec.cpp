#include "ChannelCodec.h"

#include "Bcd.h"
#include "Bits.h"
#include "FormTexts.h"
#include "NumberText.h"
#include "ToneCode.h"

#include <algorithm>

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

std::string frequencyCell(ConstBytes field) {
    if (isBlankMark(field[3]))
        return {};
    const auto count =
        static_cast<std::uint32_t>(bcdValue(field[3]) * 1'000'000 + bcdValue(field[2]) * 10'000 +
                                   bcdValue(field[1]) * 100 + bcdValue(field[0]));
    return frequencyText(count);
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

// A count of 1000 MHz or more keeps the same rule, its hundreds going into the top byte as
// they come: a top byte A0..F9 from a radio or a file survives an Open and Save.
void encodeFrequency(std::string_view text, Bytes field) {
    const std::uint32_t count = frequencyCount(text).value_or(0);
    if (count == 0) {
        std::fill_n(field, 4, kErased);
        return;
    }
    field[0] = bcdByte(static_cast<int>(count % 100));
    field[1] = bcdByte(static_cast<int>(count / 100 % 100));
    field[2] = bcdByte(static_cast<int>(count / 10'000 % 100));
    field[3] = bcdByte(static_cast<int>(count / 1'000'000));
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
