#include "NumberText.h"
#include "Decimal.h"

#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <limits>
#include <random>

using namespace quorl;

TEST(NumberText, ReadsTheLeadingNumberOnly) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        // clang-format off
        {"446.00625", 446.00625}, {" \t+12.5abc", 12.5}, {"-3", -3}, {".5", 0.5}, {"5.", 5},
        {"1E-2", 0.01}, {"2e+x", 2}, {"446,5", 446}, {"1e300", 1e300}, {"abc", 0}, {"", 0},
        {".", 0}, {"+-5", 0}, {"0x10", 0}, {"inf", 0}, {"-nan", 0}, {"1e999", 0},
        {"-1e999", 0}, {"1e-999", 0},
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_EQ(readLeadingNumber(c.text), c.value) << '"' << c.text << '"';
}

TEST(NumberText, ReadsTheLeadingIntegerOnly) {
    const struct {
        const char* text;
        std::int32_t value;
    } cases[] = {
        // clang-format off
        {"023N", 23}, {" -7x", -7}, {"+5", 5}, {"N", 0}, {"2147483647", 2147483647},
        {"-2147483648", -2147483647 - 1}, {"2147483648", 0}, {"99999999999999999999N", 0},
        {"000000000000000000023", 23},
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_EQ(readLeadingInteger(c.text), c.value) << '"' << c.text << '"';
}

TEST(Decimal, MultipliesFifteenDigitDecimalsExactly) {
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        double a, b, product;
    } cases[] = {
        // clang-format off
        {446.00625, 100000.0, 44600625}, {0.1, 3, 0.3}, {0.1, 0.1, 0.01}, {-2.5, 4, -10},
        {1.234567890123456789, 1, 1.23456789012346}, {999999999999999.9, 1, 1e15},
        {1e300, 1e300, inf}, {-1e300, 1e300, -inf}, {1e-300, 1e-300, 0},
        {5e-324, 1e300, 4.94065645841247e-24}, // the smallest double has 15 digits too
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_EQ(decimalMultiply(c.a, c.b), c.product) << c.a << " × " << c.b;
    EXPECT_TRUE(std::isnan(decimalMultiply(std::nan(""), 1)));

    // With a factor of 1 the product is the operand rounded to 15 significant digits.
    std::mt19937_64 random(3);
    for (int i = 0; i < 100'000; ++i) {
        const double value = std::bit_cast<double>(random());
        char rounded[40];
        std::snprintf(rounded, sizeof rounded, "%.14e", value);
        if (!std::isfinite(value))
            continue;
        ASSERT_EQ(decimalMultiply(value, 1.0), std::strtod(rounded, nullptr)) << rounded;
    }
}

TEST(NumberText, FrequencyCountTruncatesToTenHertz) {
    const struct {
        const char* text;
        std::optional<std::uint32_t> count;
    } cases[] = {
        // clang-format off
        {"446.00625", 44600625}, {"145.5", 14550000}, {"446.006259", 44600625},
        {"446.006249", 44600624}, {"999.99999", 99999999}, {"", 0}, {"-0.000001", 0},
        {"1000", 100000000}, {"42949.67295", 4294967295}, {"42949.67296", std::nullopt},
        {"-446", std::nullopt}, {"1e300", std::nullopt},
        // clang-format on
    };
    for (const auto& c : cases)
        EXPECT_EQ(frequencyCount(c.text), c.count) << '"' << c.text << '"';
}

// Texts are "%3.5f" of the count, and read back as that count: plain double arithmetic
// does not manage this (446.00625 × 100000 is 44600624.99…).
TEST(NumberText, FrequencyTextsArePrintfAndReadBackExactly) {
    std::mt19937 random(7);
    int plainDoubleMisses = 0;
    for (int i = 0; i < 200'000; ++i) {
        const std::uint32_t count = i == 0 ? 0xFFFFFFFF : random() % 100'000'000;
        const std::string text = frequencyText(count);
        char expected[32];
        std::snprintf(expected, sizeof expected, "%3.5f", count * 0.00001);
        ASSERT_EQ(text, expected);
        if (i == 0)
            continue;
        ASSERT_EQ(frequencyCount(text), count) << text;
        plainDoubleMisses += std::trunc(readLeadingNumber(text) * 100000.0) != count;
    }
    EXPECT_GT(plainDoubleMisses, 0);
}
