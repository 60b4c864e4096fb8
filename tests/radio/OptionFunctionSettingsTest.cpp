#include "OptionFunctionSettings.h"

#include <gtest/gtest.h>

using namespace quorl;

// The bytes 0x1830 to 0x1838 as shown and as stored back, or as stored from edited texts.
TEST(OptionFunctionSettings, NumbersAreStoredHighByteFirst) {
    using Bytes = std::array<std::uint8_t, 9>;
    const struct {
        Bytes bytes;
        const char *scrambler, *toneLevel; // edited texts, or null to keep the shown ones
        Bytes stored;
    } cases[] = {
        {{0xFF, 0x0F, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF},
         nullptr,
         nullptr, // 23999 and 65535: five digits
         {0x07, 0x07, 0x07, 0x07, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}},
        {{0, 0, 7, 7, 0x23, 0x34, 0x02, 0, 0}, nullptr, nullptr, {0, 0, 7, 7, 0x23, 0x33, 2, 0, 0}},
        {{}, "3000", "100", {0, 0, 0, 0, 0x20, 0x00, 0, 0x00, 0x64}},
        {{}, "4000", "4000", {0, 0, 0, 0, 0x2A, 0xAB, 0, 0x0F, 0xA0}},
        {{}, "", "-5", {0, 0, 0, 0, 0x00, 0x00, 0, 0x00, 0x00}},
        {{}, "99999", "70000", {0, 0, 0, 0, 0xFF, 0xFF, 0, 0xFF, 0xFF}},
    };
    for (const auto& c : cases) {
        RadioImage image{};
        std::copy(c.bytes.begin(), c.bytes.end(), image.begin() + 0x1830);
        OptionFunctionState state = decodeOptionFunction(image);
        if (c.scrambler) {
            state.scramblerText = c.scrambler;
            state.toneLevelText = c.toneLevel;
        }
        encodeOptionFunction(state, image);
        Bytes stored;
        std::copy_n(image.begin() + 0x1830, stored.size(), stored.begin());
        EXPECT_EQ(stored, c.stored) << state.scramblerText;
    }
}
