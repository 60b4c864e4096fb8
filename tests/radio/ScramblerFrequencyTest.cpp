#include "ScramblerFrequency.h"

#include <gtest/gtest.h>

using namespace quorl;

TEST(ScramblerFrequency, CodesShowAsHertz) {
    const struct {
        std::uint16_t code;
        std::uint32_t hertz;
    } cases[] = {
        {0x2333, 3300}, {0x2334, 3300},  {0x2000, 3000}, {0x2AAB, 4000}, {2500, 915},
        {2501, 916},    {0xFFFF, 23999}, {27307, 10000}, {0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(scramblerHertz(c.code), c.hertz) << c.code;
}

TEST(ScramblerFrequency, HertzAreStoredAsTheNearestCode) {
    const struct {
        std::uint32_t hertz;
        std::uint16_t code;
    } cases[] = {
        {3300, 0x2333},  {3000, 0x2000},  {4000, 0x2AAB}, {23999, 0xFFFF},
        {24000, 0xFFFF}, {99999, 0xFFFF}, {0, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(scramblerCode(c.hertz), c.code) << c.hertz;
}

// Every stored code shows a frequency that is stored as a code showing it again, and every
// frequency a code can show is stored as a code that shows it.
TEST(ScramblerFrequency, RoundTrips) {
    for (std::uint32_t code = 0; code <= 0xFFFF; ++code) {
        const std::uint32_t shown = scramblerHertz(static_cast<std::uint16_t>(code));
        ASSERT_EQ(scramblerHertz(scramblerCode(shown)), shown) << code;
    }
    for (std::uint32_t hertz = 0; hertz <= 23999; ++hertz)
        ASSERT_EQ(scramblerHertz(scramblerCode(hertz)), hertz) << hertz;
}
