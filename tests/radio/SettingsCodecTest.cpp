#include "SettingsCodec.h"
#include "BandLimits.h"

#include <gtest/gtest.h>

#include <map>

using namespace quorl;

namespace {

RadioImage freshImage() {
    RadioImage image;
    image.fill(0x5A); // a reset must overwrite whatever was there
    resetImage(image);
    return image;
}

} // namespace

TEST(RadioImage, ResetStoresFactoryValuesAndErasesTheRest) {
    const std::map<std::size_t, std::uint8_t> factory{
        // clang-format off
        {0x1810, 0x94}, {0x1811, 0x78}, {0x1812, 0x05}, {0x1813, 0x06}, {0x1814, 0x00},
        {0x1815, 0x03}, {0x1816, 0x00}, {0x1817, 0x36}, {0x1818, 0x01}, {0x1819, 0x00},
        {0x1820, 0x00}, {0x1828, 0x05}, {0x1829, 0x05}, {0x182A, 0x00}, {0x182B, 0x00},
        {0x182C, 0x00}, {0x182D, 0x07}, {0x1830, 0x00}, {0x1831, 0x00}, {0x1832, 0x07},
        {0x1833, 0x07}, {0x1834, 0x23}, {0x1835, 0x33}, {0x1836, 0x02}, {0x1837, 0x02},
        {0x1838, 0x8A}, {0x1D40, 0xFC}, {0x1F00, 0x00}, {0x1F01, 0x00},
        // clang-format on
    };
    const RadioImage image = freshImage();
    for (std::size_t offset = 0; offset < kImageSize; ++offset)
        EXPECT_EQ(image[offset], factory.contains(offset) ? factory.at(offset) : 0xFF)
            << std::hex << offset;
}

TEST(SettingsCodec, ResetImageShowsFactoryPanelAndEncodesBackUnchanged) {
    const RadioImage reset = freshImage();
    const SettingsState state = decodeSettings(reset);
    EXPECT_EQ(state, (SettingsState{.type = 0,
                                    .field = 0,
                                    .channelName = 1,
                                    .squelch = 5,
                                    .wideNarrow = 1,
                                    .voxGain = 0,
                                    .scramblerFunction = false,
                                    .batterySave = true,
                                    .beep = true,
                                    .disableMenu = false,
                                    .powerMenu = true,
                                    .scramblerMenu = true}));
    RadioImage image = reset;
    image[0x1816] = 0x5A;
    encodeSettings(state, image);
    EXPECT_EQ(image, reset);
}

TEST(SettingsCodec, OutOfRangeBytesShowAsThePanelCan) {
    const struct {
        std::size_t offset;
        std::uint8_t stored;
        int SettingsState::*selection;
        int shown;
    } cases[] = {
        // clang-format off
        {0x1812, 9, &SettingsState::squelch, 9}, {0x1812, 12, &SettingsState::squelch, 0},
        {0x1814, 10, &SettingsState::voxGain, 10}, {0x1814, 11, &SettingsState::voxGain, 0},
        {0x1F00, 0xFE, &SettingsState::type, 2}, {0x1F00, 0x03, &SettingsState::type, -1},
        {0x1F01, 0xFD, &SettingsState::field, 1}, {0x1F01, 0x02, &SettingsState::field, -1},
        // clang-format on
    };
    for (const auto& c : cases) {
        RadioImage image = freshImage();
        image[c.offset] = c.stored;
        EXPECT_EQ(decodeSettings(image).*c.selection, c.shown) << std::hex << c.offset;
    }
}

// A list with nothing selected stores the low byte of -1, or sets its bit.
TEST(SettingsCodec, EmptySelectionsEncode) {
    RadioImage image = freshImage();
    image[0x1810] = 0x00;
    image[0x1811] = 0x00;
    encodeSettings(SettingsState{}, image);
    for (auto [offset, stored] : {std::pair{0x1F00, 0xFF},
                                  {0x1F01, 0xFF},
                                  {0x1812, 0xFF},
                                  {0x1814, 0xFF},
                                  {0x1810, 0xC0},
                                  {0x1811, 0x40}})
        EXPECT_EQ(image[offset], stored) << std::hex << offset;
}

TEST(SettingsCodec, FieldListFollowsType) {
    const std::array<std::string_view, 2> uhf{"400 - 470MHz", "430 - 450MHz"};
    const std::array<std::string_view, 2> vhf{"136 - 175MHz", "144 - 146MHz"};
    EXPECT_EQ(fieldBandTexts(0), uhf);
    EXPECT_EQ(fieldBandTexts(1), uhf);
    EXPECT_EQ(fieldBandTexts(2), vhf);
    EXPECT_EQ(fieldBandTexts(kNoSelection), vhf);
}

TEST(BandLimits, InclusiveRangesByTypeAndField) {
    const struct {
        int type, field;
        std::uint32_t lower, upper;
    } cases[] = {{0, 0, 40000000, 47000000}, {0, 1, 43000000, 45000000},
                 {1, 0, 40000000, 47000000}, {1, 1, 43000000, 45000000},
                 {2, 0, 13600000, 17500000}, {2, 1, 14400000, 14600000}};
    for (const auto& c : cases) {
        const auto limit = bandLimit(c.type, c.field);
        ASSERT_TRUE(limit);
        EXPECT_TRUE(limit->contains(c.lower) && limit->contains(c.upper));
        EXPECT_FALSE(limit->contains(c.lower - 1) || limit->contains(c.upper + 1));
    }
    for (auto [type, field] : {std::pair{-1, 0}, {3, 0}, {0, -1}, {0, 2}})
        EXPECT_FALSE(bandLimit(type, field)) << type << "/" << field;
}
