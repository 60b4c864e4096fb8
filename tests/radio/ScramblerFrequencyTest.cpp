#include "ScramblerFrequency.h"

#include <gtest/gtest.h>

using namespace quorl;

TEST(ScramblerFrequency, ShownAndStoredValuesRoundToTheNearestHalfDown) {
    const struct {
        std::uint16_t code;
        std::uint32_t hertz;
    } shown[] = {{0x2333, 3300}, {0x2334, 3300},  {2500, 915}, {2501, 916},
                 {27307, 10000}, {0xFFFF, 23999}, {0, 0}},
      stored[] = {{0x2333, 3300},  {0x2000, 3000},  {0x2AAB, 4000},
                  {0xFFFF, 23999}, {0xFFFF, 24000}, {0, 0}};
    for (const auto& c : shown)
        EXPECT_EQ(scramblerHertz(c.code), c.hertz) << c.code;
    for (const auto& c : stored)
        EXPECT_EQ(scramblerCode(c.hertz), c.code) << c.hertz;
}

// Every stored code shows a frequency that is stored as a code showing it again, and every
// frequency a code can show is stored as a code that shows it.
TEST(ScramblerFrequency, RoundTrips) {
    for (std::uint32_t code = 0; code <= 0xFFFF; ++code) {
        const std::uint32_t hertz = scramblerHertz(static_cast<std::uint16_t>(code));
        ASSERT_EQ(scramblerHertz(scramblerCode(hertz)), hertz) << code;
    }
    for (std::uint32_t hertz = 0; hertz <= 23999; ++hertz)
        ASSERT_EQ(scramblerHertz(scramblerCode(hertz)), hertz) << hertz;
}
