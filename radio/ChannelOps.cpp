#include "ChannelOps.h"

#include "ChannelCodec.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace quorl {

namespace {

struct Channel {
    std::array<std::uint8_t, kChannelRecordSize> record;
    std::array<std::uint8_t, kChannelNameSize> name;
};

Channel readChannel(const RadioImage& image, int channel) {
    Channel c;
    std::copy_n(image.begin() + channelRecordOffset(channel), kChannelRecordSize, c.record.begin());
    std::copy_n(image.begin() + channelNameOffset(channel), kChannelNameSize, c.name.begin());
    return c;
}

void writeChannel(RadioImage& image, int channel, const Channel& c) {
    std::copy(c.record.begin(), c.record.end(), image.begin() + channelRecordOffset(channel));
    std::copy(c.name.begin(), c.name.end(), image.begin() + channelNameOffset(channel));
}

Channel erasedChannel() {
    Channel c;
    c.record.fill(kErased);
    c.name.fill(kErased);
    return c;
}

bool validChannel(int channel) {
    return channel >= 1 && channel <= kChannelCount;
}

// The listed channels in order, once each, those outside 1..199 left out.
std::vector<int> channelSet(std::vector<int> channels) {
    std::erase_if(channels, [](int c) { return !validChannel(c); });
    std::sort(channels.begin(), channels.end());
    channels.erase(std::unique(channels.begin(), channels.end()), channels.end());
    return channels;
}

int bcd(std::uint8_t byte) {
    return (byte >> 4) * 10 + (byte & 0x0F);
}

// The frequency's 10 Hz count as the window shows it; none when it shows none.
std::optional<std::uint32_t> receiveCount(const Channel& c) {
    const std::uint8_t top = c.record[kRecReceive + 3];
    if (top == 0x00 || top == kErased)
        return std::nullopt;
    std::uint32_t count = 0;
    for (int i = 3; i >= 0; --i)
        count = count * 100 + static_cast<std::uint32_t>(bcd(c.record[kRecReceive + i]));
    return count;
}

// The name as the window shows it: bytes up to the first 0xFF or 0x00.
std::string nameText(const Channel& c) {
    std::string name;
    for (const std::uint8_t byte : c.name) {
        if (byte == kErased || byte == 0x00)
            break;
        name += static_cast<char>(byte);
    }
    return name;
}

bool recordInUse(const Channel& c) {
    const auto shows = [](std::uint8_t b) { return b != 0x00 && b != kErased; };
    return shows(c.record[kRecReceive + 3]) || shows(c.record[kRecTransmit + 3]);
}

} // namespace

void emptyChannels(RadioImage& image, const std::vector<int>& channels) {
    for (const int channel : channelSet(channels))
        writeChannel(image, channel, erasedChannel());
}

void moveChannel(RadioImage& image, int from, int to) {
    if (!validChannel(from) || !validChannel(to) || from == to)
        return;
    const Channel moving = readChannel(image, from);
    const int step = from < to ? 1 : -1;
    for (int c = from; c != to; c += step)
        writeChannel(image, c, readChannel(image, c + step));
    writeChannel(image, to, moving);
}

bool shiftChannels(RadioImage& image, const std::vector<int>& channels, int by) {
    std::vector<int> set = channelSet(channels);
    if (set.empty() || (by != -1 && by != 1))
        return false;
    if (!validChannel(set.front() + by) || !validChannel(set.back() + by))
        return false;
    // Moving up, the topmost goes first, so each one passes a channel that stays put.
    if (by > 0)
        std::reverse(set.begin(), set.end());
    for (const int channel : set)
        moveChannel(image, channel, channel + by);
    return true;
}

bool insertEmptyChannel(RadioImage& image, int at) {
    if (!validChannel(at) || channelInUse(image, kChannelCount))
        return false;
    moveChannel(image, kChannelCount, at);
    writeChannel(image, at, erasedChannel());
    return true;
}

void deleteChannels(RadioImage& image, const std::vector<int>& channels) {
    const std::vector<int> set = channelSet(channels);
    // From the bottom up, so the places of the channels still to go do not change.
    for (auto it = set.rbegin(); it != set.rend(); ++it) {
        moveChannel(image, *it, kChannelCount);
        writeChannel(image, kChannelCount, erasedChannel());
    }
}

void sortChannels(RadioImage& image, const std::vector<int>& channels, SortKey key) {
    const std::vector<int> places = channelSet(channels);
    std::vector<Channel> sorted;
    for (const int channel : places)
        sorted.push_back(readChannel(image, channel));
    if (key == SortKey::ReceiveFrequency) {
        std::stable_sort(sorted.begin(), sorted.end(), [](const Channel& a, const Channel& b) {
            const auto ka = recordInUse(a) ? receiveCount(a) : std::nullopt;
            const auto kb = recordInUse(b) ? receiveCount(b) : std::nullopt;
            return ka && (!kb || *ka < *kb);
        });
    } else {
        std::stable_sort(sorted.begin(), sorted.end(), [](const Channel& a, const Channel& b) {
            const std::string na = recordInUse(a) ? nameText(a) : std::string();
            const std::string nb = recordInUse(b) ? nameText(b) : std::string();
            return !na.empty() && (nb.empty() || na < nb);
        });
    }
    for (std::size_t i = 0; i < places.size(); ++i)
        writeChannel(image, places[i], sorted[i]);
}

} // namespace quorl
