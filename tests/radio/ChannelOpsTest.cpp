#include "ChannelOps.h"

#include "ChannelCodec.h"
#include "RandomImage.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <vector>

using namespace quorl;

namespace {

// A channel's 16 record bytes followed by its 8 name bytes.
std::vector<std::uint8_t> channelBytes(const RadioImage& image, int channel) {
    std::vector<std::uint8_t> bytes(image.begin() + channelRecordOffset(channel),
                                    image.begin() + channelRecordOffset(channel) + 16);
    bytes.insert(bytes.end(), image.begin() + channelNameOffset(channel),
                 image.begin() + channelNameOffset(channel) + 8);
    return bytes;
}

const std::vector<std::uint8_t> kErasedChannel(24, 0xFF);

// Channel n of `after` holds what channel order[n - 1] of `before` held, and every byte
// outside the channel records and name slots is unchanged.
void expectChannels(const RadioImage& before, const RadioImage& after,
                    const std::vector<int>& order) {
    for (int n = 1; n <= kChannelCount; ++n) {
        const int from = order[static_cast<std::size_t>(n - 1)];
        EXPECT_EQ(channelBytes(after, n), from ? channelBytes(before, from) : kErasedChannel)
            << "channel " << n;
    }
    for (std::size_t a = 0; a < kImageSize; ++a) {
        const bool record = a < channelRecordOffset(kChannelCount + 1);
        const bool name = a >= kChannelNamesBase && a < channelNameOffset(kChannelCount + 1);
        if (!record && !name) {
            ASSERT_EQ(after[a], before[a]) << "offset " << a;
        }
    }
}

std::vector<int> identity() {
    std::vector<int> order(kChannelCount);
    for (int n = 1; n <= kChannelCount; ++n)
        order[static_cast<std::size_t>(n - 1)] = n;
    return order;
}

void setReceive(RadioImage& image, int channel, std::uint8_t mhzHundreds, std::uint8_t mhzUnits) {
    const std::size_t at = channelRecordOffset(channel);
    image[at + 0] = 0x00;
    image[at + 1] = 0x00;
    image[at + 2] = mhzUnits;
    image[at + 3] = mhzHundreds;
}

void setName(RadioImage& image, int channel, const char* name) {
    std::fill_n(image.begin() + channelNameOffset(channel), 8, 0xFF);
    std::copy_n(name, std::strlen(name), image.begin() + channelNameOffset(channel));
}

} // namespace

TEST(ChannelOps, MoveCarriesTheWholeRecordAndName) {
    const RadioImage before = randomImage(1);
    RadioImage image = before;
    moveChannel(image, 5, 9);
    std::vector<int> order = identity();
    std::rotate(order.begin() + 4, order.begin() + 5, order.begin() + 9);
    expectChannels(before, image, order);
    moveChannel(image, 9, 5);
    EXPECT_EQ(image, before);
}

TEST(ChannelOps, ShiftMovesABlockOrRefusesAtTheEdge) {
    struct Case {
        std::vector<int> channels;
        int by;
        bool moved;
        std::vector<std::pair<int, int>> placed; // (place, channel it now holds)
    };
    const Case cases[] = {
        {{4, 5}, -1, true, {{3, 4}, {4, 5}, {5, 3}}},
        {{5, 4}, +1, true, {{4, 6}, {5, 4}, {6, 5}}},
        {{2, 7}, -1, true, {{1, 2}, {2, 1}, {6, 7}, {7, 6}}},
        {{1, 5}, -1, false, {}},
        {{199}, +1, false, {}},
    };
    const RadioImage before = randomImage(2);
    for (const Case& c : cases) {
        RadioImage image = before;
        EXPECT_EQ(shiftChannels(image, c.channels, c.by), c.moved);
        std::vector<int> order = identity();
        for (const auto& [place, from] : c.placed)
            order[static_cast<std::size_t>(place - 1)] = from;
        expectChannels(before, image, order);
    }
}

TEST(ChannelOps, InsertPushesDownUnlessChannel199IsInUse) {
    RadioImage before = randomImage(3);
    std::fill_n(before.begin() + channelRecordOffset(kChannelCount), 16, 0xFF);
    RadioImage image = before;
    ASSERT_TRUE(insertEmptyChannel(image, 10));
    std::vector<int> order = identity();
    order[9] = 0;
    for (int n = 11; n <= kChannelCount; ++n)
        order[static_cast<std::size_t>(n - 1)] = n - 1;
    expectChannels(before, image, order);

    image = randomImage(3);
    image[channelRecordOffset(kChannelCount) + 7] = 0x44;
    const RadioImage full = image;
    EXPECT_FALSE(insertEmptyChannel(image, 10));
    EXPECT_EQ(image, full);
}

TEST(ChannelOps, DeleteMovesTheRestUpAndEmptiesTheLast) {
    const RadioImage before = randomImage(4);
    RadioImage image = before;
    deleteChannels(image, {7, 3, 7});
    std::vector<int> order;
    for (int n = 1; n <= kChannelCount; ++n)
        if (n != 3 && n != 7)
            order.push_back(n);
    order.push_back(0);
    order.push_back(0);
    expectChannels(before, image, order);
}

TEST(ChannelOps, EmptyErasesOnlyTheListedChannels) {
    const RadioImage before = randomImage(5);
    RadioImage image = before;
    emptyChannels(image, {2, 199});
    std::vector<int> order = identity();
    order[1] = 0;
    order[198] = 0;
    expectChannels(before, image, order);
}

TEST(ChannelOps, SortPutsChannelsWithoutTheValueLastAndKeepsTies) {
    RadioImage before;
    resetImage(before);
    setReceive(before, 2, 0x44, 0x60); // 446
    setReceive(before, 3, 0x14, 0x50); // 145
    setName(before, 3, "ZULU");
    setName(before, 4, "ALPHA");       // not in use: no frequency
    setReceive(before, 5, 0x14, 0x50); // 145 again, after channel 3
    setName(before, 5, "BRAVO");
    before[channelRecordOffset(2) + 13] = 0x5A; // an uninterpreted byte travels along

    RadioImage image = before;
    sortChannels(image, {2, 3, 4, 5}, SortKey::ReceiveFrequency);
    std::vector<int> order = identity();
    order[1] = 3;
    order[2] = 5;
    order[3] = 2;
    order[4] = 4;
    expectChannels(before, image, order);

    image = before;
    sortChannels(image, {2, 3, 4, 5}, SortKey::Name);
    order = identity();
    order[1] = 5; // BRAVO
    order[2] = 3; // ZULU
    order[3] = 2; // in use, no name
    order[4] = 4; // not in use: its name is not shown
    expectChannels(before, image, order);
}
