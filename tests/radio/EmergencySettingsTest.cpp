#include "EmergencySettings.h"

#include <gtest/gtest.h>

using namespace quorl;

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
