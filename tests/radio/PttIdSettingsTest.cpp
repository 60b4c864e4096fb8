#include "PttIdSettings.h"

#include <gtest/gtest.h>

#include <algorithm>

using namespace quorl;

namespace {

std::string codeBytes(const RadioImage& image) {
    return std::string(image.begin() + 0x1D30, image.begin() + 0x1D40);
}

} // namespace

TEST(PttIdSettings, CodeEndsAtAnErasedOrZeroByte) {
    const struct {
        std::string bytes; // from 0x1D30, the rest erased
        std::string code;
    } cases[] = {
        {"", ""},
        {"12#*", "12#*"},
        {std::string("12\0AB", 5), "12"},
        {"AB\xFF"
         "CD",
         "AB"},
        {"0123456789ABCDEF", "0123456789ABCDEF"},
        {"ab\xE9\x80", "ab\xE9\x80"},
    };
    for (const auto& c : cases) {
        RadioImage image;
        resetImage(image);
        std::copy(c.bytes.begin(), c.bytes.end(), image.begin() + 0x1D30);
        EXPECT_EQ(decodePttId(image).code, c.code) << c.bytes;
    }
}

TEST(PttIdSettings, CodeIsStoredPaddedWithErasedBytes) {
    const struct {
        std::string code;
        std::string bytes;
    } cases[] = {
        {"123A", "123A" + std::string(12, '\xFF')},
        {"", std::string(16, '\xFF')},
        {"0123456789ABCDEF", "0123456789ABCDEF"},
        {"0123456789ABCDEF7", "0123456789ABCDEF"},
    };
    for (const auto& c : cases) {
        RadioImage image;
        image.fill(0x00);
        encodePttId({.mode = 0, .display = false, .code = c.code}, image);
        EXPECT_EQ(codeBytes(image), c.bytes) << c.code;
    }
}

TEST(PttIdSettings, ModeAndDisplayChangeOnlyTheirBits) {
    const struct {
        std::uint8_t mode, flags; // 0x1D40 and 0x1810 before
        int selection;
        bool display;
        std::uint8_t modeAfter, flagsAfter;
    } cases[] = {
        {0xFC, 0x94, 3, true, 0xFF, 0x95},
        {0xFF, 0x95, 0, false, 0xFC, 0x94},
        {0x02, 0x00, 1, true, 0x01, 0x01},
        {0xA6, 0x94, -1, false, 0xA6, 0x94},
    };
    for (const auto& c : cases) {
        RadioImage image;
        resetImage(image);
        image[0x1D40] = c.mode;
        image[0x1810] = c.flags;
        encodePttId({.mode = c.selection, .display = c.display, .code = ""}, image);
        EXPECT_EQ(image[0x1D40], c.modeAfter) << +c.mode;
        EXPECT_EQ(image[0x1810], c.flagsAfter) << +c.flags;
    }
}
