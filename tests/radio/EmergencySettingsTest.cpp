#include "EmergencySettings.h"

#include <gtest/gtest.h>

using namespace quorl;

TEST(EmergencySettings, EveryEntryRoundTripsThroughItsByte) {
    RadioImage image;
    resetImage(image);
    for (int i = 0; i < static_cast<int>(kEmergencyTransmitTimes.size()); ++i) {
        encodeEmergency({.transmitTime = i}, image);
        EXPECT_EQ(decodeEmergency(image).transmitTime, i);
    }
    for (int i = 0; i < static_cast<int>(kEmergencyReceiveTimes.size()); ++i) {
        encodeEmergency({.receiveTime = i}, image);
        EXPECT_EQ(decodeEmergency(image).receiveTime, i);
    }
    for (int i = 0; i < static_cast<int>(kEmergencySwitchTexts.size()); ++i) {
        encodeEmergency({.callSwitch = i}, image);
        EXPECT_EQ(decodeEmergency(image).callSwitch, i);
    }
}

TEST(EmergencySettings, StoredForms) {
    const struct {
        EmergencyState state;
        std::uint8_t flags, transmit, receive; // 0x1817, 0x1828, 0x1829 from a factory image
    } cases[] = {
        {{.callSwitch = 1, .transmitTime = 8, .receiveTime = 10}, 0x35, 0xFF, 0xFE},
        {{.callSwitch = 3, .transmitTime = 7, .receiveTime = 9}, 0x37, 0xF0, 0xFF},
        {{.callSwitch = 0, .transmitTime = 0, .receiveTime = 0}, 0x34, 0x03, 0x00},
        {{}, 0x36, 0x05, 0x05},
    };
    for (const auto& c : cases) {
        RadioImage image;
        resetImage(image);
        encodeEmergency(c.state, image);
        EXPECT_EQ(image[0x1817], c.flags);
        EXPECT_EQ(image[0x1828], c.transmit);
        EXPECT_EQ(image[0x1829], c.receive);
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
