#include "FrequencyCheck.h"

#include <gtest/gtest.h>

using namespace quorl;

namespace {

struct Case {
    const char* typed;
    int type;
    int field;
    FrequencyVerdict verdict;
    const char* text; // shown when accepted
};

constexpr auto A = FrequencyVerdict::Accepted;
constexpr auto F = FrequencyVerdict::BadFormat;
constexpr auto R = FrequencyVerdict::OutOfRange;
constexpr auto S = FrequencyVerdict::BadStep;

const Case kCases[] = {
    {"446.00625", 0, 0, A, "446.00625"},
    {"400", 0, 0, A, "400.00000"}, // both band limits are allowed
    {"470", 0, 0, A, "470.00000"},
    {"446.0125", 1, 0, A, "446.01250"},  // 6.25 kHz raster
    {"446.005", 0, 0, A, "446.00500"},   // 5 kHz raster
    {" 446.5abc", 0, 0, A, "446.50000"}, // reading stops at the first other character
    {"446,5", 0, 0, A, "446.00000"},
    {"446.006259", 0, 0, A, "446.00625"}, // truncated to the 10 Hz unit, shown as stored
    {"145.5", 2, 0, A, "145.50000"},
    {"470.005", 0, 0, R, ""},
    {"136", 2, 1, R, ""},
    {"440", 0, 1, A, "440.00000"},
    {"429.99375", 1, 1, R, ""},
    {"446", 2, 0, R, ""},
    {"abc", 0, 0, F, ""},
    {"12", 0, 0, F, ""},
    {"-446", 0, 0, F, ""},
    {"600", 0, 0, F, ""},
    {"1e300", 0, 0, F, ""},
    {"inf", 0, 0, F, ""},
    {"nan", 0, 0, F, ""},
    {"521.00001", 0, 0, F, ""},
    {"66.99999", 2, 0, F, ""},
    {"446.003", 0, 0, S, ""},
    {"446.006249", 0, 0, S, ""}, // reads 446.00625 but counts 44600624
};

} // namespace

TEST(FrequencyCheck, FormatBandAndStepInThatOrder) {
    for (const Case& c : kCases) {
        const FrequencyCheck check = checkFrequency(c.typed, bandLimit(c.type, c.field));
        EXPECT_EQ(check.verdict, c.verdict) << c.typed;
        EXPECT_EQ(check.text, c.text) << c.typed;
    }
}

TEST(FrequencyCheck, SixtySevenPassesTheFormatButNoBand) {
    for (int type = 0; type < 3; ++type)
        for (int field = 0; field < 2; ++field)
            EXPECT_EQ(checkFrequency("67", bandLimit(type, field)).verdict, R);
}

TEST(FrequencyCheck, NoBandSelectedRefusesEveryFrequency) {
    EXPECT_EQ(checkFrequency("446", bandLimit(3, 0)).verdict, R);
    EXPECT_EQ(checkFrequency("446", bandLimit(0, -1)).verdict, R);
    EXPECT_EQ(checkFrequency("abc", bandLimit(0, 2)).verdict, F);
}

TEST(FrequencyCheck, AcceptedCountMatchesTheText) {
    const FrequencyCheck check = checkFrequency("446.00625", bandLimit(0, 0));
    EXPECT_EQ(check.count, 44600625u);
}

TEST(FrequencyCheck, MessagesAreExact) {
    EXPECT_EQ(frequencyMessage(F), "Error Data Format，Please input again");
    EXPECT_EQ(frequencyMessage(R), "Out of range，Please input again");
    EXPECT_EQ(frequencyMessage(S),
              "Error data Value，Please input according the step value(6.25K/5k)");
    EXPECT_TRUE(frequencyMessage(A).empty());
}
