#include "ToneCode.h"
#include "ToneTable.h"

#include <gtest/gtest.h>

using namespace quorl;

namespace {

// "69.3" → 693, from the text's own digits.
int tenthsWritten(std::string text) {
    text.erase(text.find('.'), 1);
    return std::stoi(text);
}

} // namespace

TEST(ToneTable, HoldsOffCtcssAndBothDcsPolarities) {
    const ToneTable table;
    ASSERT_EQ(table.size(), 263u);
    EXPECT_EQ(table.at(0), "OFF");
    EXPECT_EQ(table.at(1), "67.0");
    EXPECT_EQ(table.at(50), "254.1");
    for (std::size_t i = 2; i <= 50; ++i)
        EXPECT_GT(tenthsWritten(table.at(i)), tenthsWritten(table.at(i - 1))) << table.at(i);
    EXPECT_EQ(table.at(51), "D017N");
    EXPECT_EQ(table.at(156), "D754N");
    for (std::size_t k = 0; k < 106; ++k) {
        const std::string code = table.at(51 + k).substr(1, 3);
        EXPECT_EQ(code.find_first_not_of("01234567"), std::string::npos) << code;
        EXPECT_TRUE(k == 0 || code > table.at(50 + k).substr(1, 3)) << code;
        EXPECT_EQ(table.at(157 + k), "D" + code + "I");
    }
}

TEST(ToneCode, EveryTableEntryRoundTripsAndCtcssGivesExactTenths) {
    const ToneTable table;
    for (std::size_t i = 0; i < table.size(); ++i) {
        const ToneCode code = textToTone(table.at(i));
        EXPECT_EQ(toneToText(code.low, code.high), table.at(i));
        if (i < 1 || i > 50)
            continue;
        const int tenths = tenthsWritten(table.at(i)); // 69.3 must give 693, never 692
        EXPECT_EQ(code.high, (tenths / 1000) << 4 | (tenths / 100 % 10)) << table.at(i);
        EXPECT_EQ(code.low, (tenths / 10 % 10) << 4 | (tenths % 10)) << table.at(i);
    }
}

TEST(ToneCode, EncodesTexts) {
    const struct {
        const char* text;
        std::uint8_t low, high;
    } cases[] = {{"OFF", 0xFF, 0xFF},      {"", 0xFF, 0xFF},      {"0", 0xFF, 0xFF},
                 {" +88.5Hz", 0x85, 0x08}, {"D017N", 0x17, 0x80}, {"D754I", 0x54, 0xC7},
                 {"D023", 0x23, 0xC0},     {"D023n", 0x23, 0xC0}, {"d023n", 0xFF, 0xFF},
                 {"ND023", 0x00, 0xC0},    {"1e300", 0xFF, 0xFF}, {"-1e300", 0xFF, 0xFF},
                 {"inf", 0xFF, 0xFF},      {"nan", 0xFF, 0xFF},   {"D99999999999N", 0x00, 0x80},
                 {"10.0", 0x00, 0x01}}; // no table entry, yet a code the radio may hold
    for (const auto& c : cases)
        EXPECT_EQ(textToTone(c.text), (ToneCode{c.low, c.high})) << '"' << c.text << '"';
}

TEST(ToneCode, DecodesStoredCodes) {
    const struct {
        std::uint8_t low, high;
        const char* text;
    } cases[] = {{0xFF, 0xFF, "OFF"},   {0x12, 0x00, "OFF"},   {0x14, 0x81, "D114N"},
                 {0x14, 0xC1, "D114I"}, {0x23, 0xC0, "D023I"}, {0x00, 0x01, "10.0"}};
    for (const auto& c : cases)
        EXPECT_EQ(toneToText(c.low, c.high), c.text);
}
