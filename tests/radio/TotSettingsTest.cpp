#include "TotSettings.h"

#include <gtest/gtest.h>

using namespace quorl;

TEST(TotSettings, BytesShowTheirMaskedValueAndSelectionsAreStoredAsWholeBytes) {
    const std::size_t offsets[] = {0x1813, 0x182A, 0x182B, 0x182C};
    const struct {
        std::array<std::uint8_t, 4> bytes;
        TotState shown;
        std::array<std::uint8_t, 4> stored; // after OK without changes
    } cases[] = {
        {{0x06, 0x00, 0x00, 0x00}, {6, 0, 0, 0}, {0x06, 0x00, 0x00, 0x00}},
        {{0x08, 0x0F, 0x3D, 0x0F}, {8, 15, 61, 15}, {0x08, 0x0F, 0x3D, 0x0F}},
        {{0xE6, 0xF1, 0x41, 0x5F}, {6, 1, 1, 15}, {0x06, 0x01, 0x01, 0x0F}},
        {{0x09, 0x00, 0x3E, 0x00}, {-1, 0, -1, 0}, {0x1F, 0x00, 0x3F, 0x00}},
        {{0xFF, 0xFF, 0xFF, 0xFF}, {-1, 15, -1, 15}, {0x1F, 0x0F, 0x3F, 0x0F}},
    };
    for (const auto& c : cases) {
        RadioImage image;
        resetImage(image);
        for (int i = 0; i < 4; ++i)
            image[offsets[i]] = c.bytes[i];
        const TotState state = decodeTot(image);
        EXPECT_EQ(state, c.shown) << std::hex << +c.bytes[0];
        encodeTot(state, image);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(image[offsets[i]], c.stored[i]) << std::hex << offsets[i];
    }
}
