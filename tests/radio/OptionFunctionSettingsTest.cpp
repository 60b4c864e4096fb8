#include "OptionFunctionSettings.h"

#include <gtest/gtest.h>

using namespace quorl;

namespace {

RadioImage factoryImage() {
    RadioImage image;
    resetImage(image);
    return image;
}

} // namespace

TEST(OptionFunctionSettings, FactoryImageShowsAndStoresBackUnchanged) {
    const RadioImage factory = factoryImage();
    const OptionFunctionState state = decodeOptionFunction(factory);
    EXPECT_EQ(state, (OptionFunctionState{.gains = {0, 0, 7, 7},
                                          .compandor = false,
                                          .preDeEmphasis = true,
                                          .scramblerText = "3300",
                                          .toneLevelText = "650"}));
    RadioImage image = factory;
    encodeOptionFunction(state, image);
    EXPECT_EQ(image, factory);
}

TEST(OptionFunctionSettings, ErasedBytesShowFiveDigitsAndStoreBackUnchanged) {
    RadioImage image;
    image.fill(0xFF);
    const OptionFunctionState state = decodeOptionFunction(image);
    EXPECT_EQ(state.scramblerText, "23999");
    EXPECT_EQ(state.toneLevelText, "65535");
    encodeOptionFunction(state, image);
    // The gains keep their lowest three bits.
    EXPECT_EQ(std::vector(image.begin() + 0x1830, image.begin() + 0x1839),
              (std::vector<std::uint8_t>{0x07, 0x07, 0x07, 0x07, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST(OptionFunctionSettings, TextsAreStoredHighByteFirst) {
    const struct {
        std::string scrambler, toneLevel;
        std::array<std::uint8_t, 2> scramblerBytes, toneLevelBytes;
    } cases[] = {
        {"3000", "100", {0x20, 0x00}, {0x00, 0x64}}, {"4000", "4000", {0x2A, 0xAB}, {0x0F, 0xA0}},
        {"", "", {0x00, 0x00}, {0x00, 0x00}},        {"99999", "70000", {0xFF, 0xFF}, {0xFF, 0xFF}},
        {"-5", "-5", {0x00, 0x00}, {0x00, 0x00}},
    };
    for (const auto& c : cases) {
        RadioImage image = factoryImage();
        OptionFunctionState state = decodeOptionFunction(image);
        state.scramblerText = c.scrambler;
        state.toneLevelText = c.toneLevel;
        encodeOptionFunction(state, image);
        EXPECT_EQ((std::array{image[0x1834], image[0x1835]}), c.scramblerBytes) << c.scrambler;
        EXPECT_EQ((std::array{image[0x1837], image[0x1838]}), c.toneLevelBytes) << c.toneLevel;
    }
}

TEST(OptionFunctionSettings, ChecksChangeOnlyTheirBits) {
    RadioImage image = factoryImage();
    image[0x1836] = 0xA6;
    OptionFunctionState state = decodeOptionFunction(image);
    state.compandor = true;
    state.preDeEmphasis = false;
    state.gains = {3, -1, 5, 0};
    encodeOptionFunction(state, image);
    EXPECT_EQ(image[0x1836], 0xA5);
    EXPECT_EQ(std::vector(image.begin() + 0x1830, image.begin() + 0x1834),
              (std::vector<std::uint8_t>{0x03, 0x00, 0x05, 0x00}));
}

TEST(OptionFunctionSettings, RangesReadTheTextsWholeNumber) {
    const struct {
        const char* text;
        bool scrambler, toneLevel;
    } cases[] = {
        {"3000", true, true}, {"4000", true, true}, {"2999", false, true}, {"4001", false, false},
        {"100", false, true}, {"99", false, false}, {"", false, false},    {"23999", false, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(inRange(kScramblerRange, c.text), c.scrambler) << c.text;
        EXPECT_EQ(inRange(kToneLevelRange, c.text), c.toneLevel) << c.text;
    }
}
