#include "EmergencySettings.h"

#include <gtest/gtest.h>

using namespace quorl;

// Bytes at 0x1817, 0x1828, 0x1829 of a factory image (0x36, 0x05, 0x05).
TEST(EmergencySettings, SelectionsAndTheirBytes) {
    const struct {
        EmergencyState state;
        std::array<std::uint8_t, 3> bytes;
    } cases[] = {
        {{.callSwitch = 2, .transmitTime = 1, .receiveTime = 2}, {0x36, 0x05, 0x05}},
        {{.callSwitch = 1, .transmitTime = 8, .receiveTime = 10}, {0x35, 0xFF, 0xFE}},
        {{.callSwitch = 3, .transmitTime = 7, .receiveTime = 9}, {0x37, 0xF0, 0xFF}},
        {{.callSwitch = 0, .transmitTime = 0, .receiveTime = 0}, {0x34, 0x03, 0x00}},
        {{.callSwitch = 0, .transmitTime = 6, .receiveTime = 8}, {0x34, 0x78, 0xF0}},
    };
    for (const auto& c : cases) {
        RadioImage image;
        resetImage(image);
        encodeEmergency(c.state, image);
        EXPECT_EQ((std::array{image[0x1817], image[0x1828], image[0x1829]}), c.bytes);
        EXPECT_EQ(decodeEmergency(image), c.state);
    }
}

TEST(EmergencySettings, ByteWithoutEntrySelectsNothingAndIsKept) {
    RadioImage image;
    resetImage(image);
    image[0x1828] = 0x07;
    image[0x1829] = 0x04;
    const EmergencyState state = decodeEmergency(image);
    EXPECT_EQ(state, (EmergencyState{.callSwitch = 2, .transmitTime = -1, .receiveTime = -1}));
    encodeEmergency(state, image);
    EXPECT_EQ(image[0x1828], 0x07);
    EXPECT_EQ(image[0x1829], 0x04);
}
