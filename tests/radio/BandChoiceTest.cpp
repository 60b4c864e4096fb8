// The model and band of a channel list: the band that holds most of its channels.

#include "BandChoice.h"

#include <gtest/gtest.h>

namespace quorl {
namespace {

constexpr std::uint32_t k446 = 44'600'000; // UHF, inside 430 - 450MHz too
constexpr std::uint32_t k470 = 47'000'000; // the top of 400 - 470MHz
constexpr std::uint32_t k146 = 14'652'000; // VHF, outside 144 - 146MHz
constexpr std::uint32_t k145 = 14'550'000; // inside 144 - 146MHz
constexpr std::uint32_t k520 = 52'000'000; // in no band

TEST(BandChoice, TheBandHoldingMostChannelsWins) {
    using Channels = std::vector<std::vector<std::uint32_t>>;
    const struct {
        const char* what;
        Channels channels;
        TypeAndField expected;
    } cases[] = {
        {"nothing: what New has", {}, {0, 0}},
        {"no band holds any", {{k520}, {k520}}, {0, 0}},
        {"UHF inside both bands: the wider", {{k446}, {k470}}, {0, 0}},
        {"more VHF than UHF", {{k146}, {k145}, {k446}}, {2, 0}},
        {"more UHF than VHF", {{k146}, {k446}, {k470}}, {0, 0}},
        {"inside 144 - 146MHz only: the wider VHF band", {{k145}, {k145, k145}}, {2, 0}},
        // A band holds a channel only with all its frequencies: the cross-band channels count
        // for neither band.
        {"cross-band channels count for no band", {{k146, k446}, {k446, k146}, {k146}}, {2, 0}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(bandHoldingMost(c.channels), c.expected) << c.what;
}

} // namespace
} // namespace quorl
