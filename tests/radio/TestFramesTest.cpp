// The frames the alignment exchange sends, from the texts the test mode shows.

#include "TestFrames.h"
#include "TestBand.h"

#include <gtest/gtest.h>

using namespace quorl;

TEST(TestFrames, FrequencyTextsAsFourDigitPairs) {
    const struct {
        const char* text;
        std::array<std::uint8_t, 4> bytes;
    } cases[] = {
        {"446.00625", {0x25, 0x06, 0x60, 0x44}},
        {"20.00000", {0x00, 0x00, 0x00, 0x02}},
        {" 12.3456x", {0x60, 0x45, 0x23, 0x01}},
        {"999.99999", {0x99, 0x99, 0x99, 0x99}},
        // No number, or none the four pairs can hold: sent as 0.
        {"", {}},
        {"abc", {}},
        {"1000", {}},
        {"-3", {}},
        {"1e300", {}},
        {"inf", {}},
        {"nan", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(testFrequencyBytes(c.text), c.bytes) << '"' << c.text << '"';
}

// Every 5 kHz and 6.25 kHz point of the VHF band as the test mode's box shows it: confirming
// the text keeps the point, and the frame carries the digits the box shows.
TEST(TestFrames, EveryRasterPointIsSentAsShown) {
    const BandLimit vhf = testBand(-1, -1).limits;
    for (const std::uint32_t size : {500u, 625u}) {
        const FrequencyStep step =
            size == 500 ? FrequencyStep::Step5kHz : FrequencyStep::Step6_25kHz;
        int misses = 0;
        std::string firstMiss;
        for (std::uint32_t count = (vhf.lower + size - 1) / size * size; count <= vhf.upper;
             count += size) {
            const std::string text = testFrequencyText(count);
            std::string digits = std::string(9 - text.size(), '0') + text;
            digits.erase(digits.find('.'), 1);
            std::array<std::uint8_t, 4> shown{};
            for (std::size_t pair = 0; pair < 4; ++pair)
                shown[3 - pair] = static_cast<std::uint8_t>((digits[2 * pair] - '0') << 4 |
                                                            (digits[2 * pair + 1] - '0'));
            if (confirmTestFrequency(text, vhf, step) != count ||
                testFrequencyBytes(text) != shown) {
                if (misses++ == 0)
                    firstMiss = text;
            }
        }
        EXPECT_EQ(misses, 0) << "step " << size << ", first at " << firstMiss;
    }
}

TEST(TestFrames, ToneTextsAsTenthsOfHertzAndNoneForOffOrDcs) {
    const struct {
        const char* text;
        std::array<std::uint8_t, 2> bytes;
    } cases[] = {
        {"67.0", {0x70, 0x06}},
        {"69.3", {0x93, 0x06}},
        {"206.5", {0x65, 0x20}},
        {"254.1", {0x41, 0x25}},
        {"OFF", {}},
        {"D023N", {}},
        {"D754I", {}},
        {"", {}},
        {"1000", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(testToneBytes(c.text), c.bytes) << '"' << c.text << '"';
}

TEST(TestFrames, FramesPutReceiveFirstAndTheValueLast) {
    EXPECT_EQ(frequencyFrame("446.00625", ""),
              (TestFrame{0x25, 0x06, 0x60, 0x44, 0x00, 0x00, 0x00, 0x00}));
    EXPECT_EQ(valueFrame("67.0", "254.1", 160),
              (TestFrame{0x70, 0x06, 0x41, 0x25, 0xFB, 0x01, 0x01, 0xA0}));
}
