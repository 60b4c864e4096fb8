#include "PttIdSettings.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace quorl;

TEST(PttIdSettings, CodeEndsAtAnErasedOrZeroByteAndIsStoredPaddedWithErasedBytes) {
    const struct {
        std::string bytes; // from 0x1D30, the rest erased
        std::string code;
        std::string stored; // once stored again, without the erased padding
    } cases[] = {
        {"", "", ""},
        {"12#*", "12#*", "12#*"},
        {std::string("12\0AB", 5), "12", "12"},
        {"AB\xFF"
         "CD",
         "AB", "AB"},
        {"ab\xE9\x80", "ab\xE9\x80", "ab\xE9\x80"},
        {"0123456789ABCDEF", "0123456789ABCDEF", "0123456789ABCDEF"},
    };
    for (const auto& c : cases) {
        RadioImage image;
        resetImage(image);
        std::copy(c.bytes.begin(), c.bytes.end(), image.begin() + 0x1D30);
        const PttIdState state = decodePttId(image);
        EXPECT_EQ(state.code, c.code) << c.bytes;
        encodePttId(state, image);
        std::string expected = c.stored;
        expected.resize(16, '\xFF');
        EXPECT_EQ(std::string(image.begin() + 0x1D30, image.begin() + 0x1D40), expected);
    }
}

TEST(PttIdSettings, CodeIsCutAtSixteenAndModeOnlyStoredWhenChosen) {
    RadioImage image;
    resetImage(image);
    image[0x1D40] = 0xA6;
    encodePttId({.mode = -1, .display = true, .code = "0123456789ABCDEF7"}, image);
    EXPECT_EQ(std::string(image.begin() + 0x1D30, image.begin() + 0x1D41), "0123456789ABCDEF\xA6");
    EXPECT_EQ(image[0x1810], 0x95);
}
