// The test mode's test frequencies for each band, and how a typed one is confirmed.

#include "TestBand.h"

#include <gtest/gtest.h>

using namespace quorl;

TEST(TestBand, SlotsLieInsideTheBandTenMegahertzApartWhereItAllows) {
    const struct {
        int type, field;
        std::uint32_t lower, upper, low, middle, high;
    } cases[] = {
        {0, 0, 40'000'000, 47'000'000, 42'500'000, 43'500'000, 44'500'000},
        {1, 1, 43'000'000, 45'000'000, 43'000'000, 44'000'000, 45'000'000},
        {2, 0, 13'600'000, 17'500'000, 14'550'000, 15'550'000, 16'550'000},
        {2, 1, 14'400'000, 14'600'000, 14'400'000, 14'500'000, 14'600'000},
        // What the panel shows without a selection.
        {-1, -1, 13'600'000, 17'500'000, 14'550'000, 15'550'000, 16'550'000},
        {-1, 1, 14'400'000, 14'600'000, 14'400'000, 14'500'000, 14'600'000},
        {0, -1, 40'000'000, 47'000'000, 42'500'000, 43'500'000, 44'500'000},
    };
    for (const auto& c : cases) {
        const TestBand band = testBand(c.type, c.field);
        SCOPED_TRACE(testing::Message() << c.type << "/" << c.field);
        EXPECT_EQ(band.limits.lower, c.lower);
        EXPECT_EQ(band.limits.upper, c.upper);
        EXPECT_EQ(band.opening(TestSlot::Low), c.low);
        EXPECT_EQ(band.opening(TestSlot::Middle), c.middle);
        EXPECT_EQ(band.opening(TestSlot::High), c.high);
    }
}

TEST(TestBand, ConfirmationClampsIntoTheBandOrRoundsToTheStep) {
    constexpr auto k5 = FrequencyStep::Step5kHz;
    constexpr auto k625 = FrequencyStep::Step6_25kHz;
    const BandLimit limits{43'000'000, 45'000'000};
    const struct {
        const char* text;
        FrequencyStep step;
        const char* confirmed;
    } cases[] = {
        {"442.3456", k5, "442.34500"},
        {"442.3456", k625, "442.34375"},
        {"430.0025", k5, "430.00000"},
        {"430.00251", k5, "430.00500"},
        {"430.00312", k625, "430.00000"},
        {"430.00313", k625, "430.00625"},
        // Clamped values are not rounded; a negative text is above every limit.
        {"455", k5, "450.00000"},
        {"-3", k5, "450.00000"},
        {"1e300", k5, "450.00000"},
        {"420.0031", k625, "430.00000"},
        {"", k5, "430.00000"},
        {"inf", k5, "430.00000"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(testFrequencyText(confirmTestFrequency(c.text, limits, c.step)), c.confirmed)
            << '"' << c.text << '"';
    // Just above the half step in decimals, though not in binary.
    EXPECT_EQ(testFrequencyText(confirmTestFrequency("136.01563", testBand(-1, -1).limits, k625)),
              "136.01875");
}

TEST(TestBand, TextsAreEightCharactersWide) {
    EXPECT_EQ(testFrequencyText(0), " 0.00000");
    EXPECT_EQ(testFrequencyText(500), " 0.00500");
    EXPECT_EQ(testFrequencyText(44'600'625), "446.00625");
}
