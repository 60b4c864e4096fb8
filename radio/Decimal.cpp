#include "Decimal.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>

namespace quorl {

namespace {

constexpr int kSignificantDigits = 15;

// Two 15-digit numbers multiply to at most 30 digits: more than 64 bits, less than 128.
__extension__ typedef unsigned __int128 Wide;

// ±digits × 10^exponent, digits below 10^15.
struct Decimal {
    bool negative = false;
    std::uint64_t digits = 0;
    int exponent = 0;
};

// Reads "-d.ddde+xx" as printed by to_chars in scientific form.
Decimal parseScientific(const char* pos, const char* end) {
    Decimal decimal;
    decimal.negative = *pos == '-';
    if (decimal.negative)
        ++pos;
    int fractionDigits = 0;
    bool inFraction = false;
    for (; *pos != 'e'; ++pos) {
        if (*pos == '.') {
            inFraction = true;
            continue;
        }
        decimal.digits = decimal.digits * 10 + static_cast<std::uint64_t>(*pos - '0');
        fractionDigits += inFraction;
    }
    ++pos;
    const bool negativeExponent = *pos == '-';
    int exponent = 0;
    std::from_chars(pos + 1, end, exponent);
    decimal.exponent = (negativeExponent ? -exponent : exponent) - fractionDigits;

    // Trailing zeros only make the product longer.
    while (decimal.digits != 0 && decimal.digits % 10 == 0) {
        decimal.digits /= 10;
        ++decimal.exponent;
    }
    return decimal;
}

// The value rounded to 15 significant digits, as printf's "%.15g" rounds it.
Decimal toDecimal(double value) {
    char text[32];
    const char* const begin = text;
    // For a normal double the shortest text that reads back as the value is that rounding
    // whenever it has at most 15 digits (the double's spacing is finer than half a step in
    // the 15th digit), and it prints much faster; frequency texts always take this path.
    const char* end =
        std::to_chars(text, text + sizeof text, value, std::chars_format::scientific).ptr;
    const auto digits = std::count_if(begin, std::find(begin, end, 'e'),
                                      [](char c) { return c >= '0' && c <= '9'; });
    if (digits > kSignificantDigits || std::fpclassify(value) == FP_SUBNORMAL)
        end = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific,
                            kSignificantDigits - 1)
                  .ptr;
    return parseScientific(begin, end);
}

// Writes the decimal digits of a number below 10^30 and returns the end.
char* writeDigits(char* out, char* limit, Wide number) {
    constexpr std::uint64_t kChunk = 1'000'000'000'000'000; // 10^15
    if (number >> 64 == 0)
        return std::to_chars(out, limit, static_cast<std::uint64_t>(number)).ptr;
    out = std::to_chars(out, limit, static_cast<std::uint64_t>(number / kChunk)).ptr;
    std::uint64_t low = static_cast<std::uint64_t>(number % kChunk);
    for (int digit = 14; digit >= 0; --digit) {
        out[digit] = static_cast<char>('0' + low % 10);
        low /= 10;
    }
    return out + 15;
}

} // namespace

double decimalMultiply(double a, double b) {
    if (!std::isfinite(a) || !std::isfinite(b))
        return a * b;

    const Decimal x = toDecimal(a);
    const Decimal y = toDecimal(b);
    const Wide digits = static_cast<Wide>(x.digits) * y.digits;
    const int exponent = x.exponent + y.exponent;
    const bool negative = x.negative != y.negative;

    // Let the library's correctly rounded reading turn the exact product into a double.
    char text[64];
    char* const digitsEnd = writeDigits(text, text + sizeof text, digits);
    const auto length = static_cast<int>(digitsEnd - text);
    char* end = digitsEnd;
    *end++ = 'e';
    end = std::to_chars(end, text + sizeof text, exponent).ptr;

    double magnitude = 0.0;
    const auto [last, error] = std::from_chars(text, end, magnitude);
    if (error == std::errc::result_out_of_range)
        magnitude = length + exponent > 0 ? HUGE_VAL : 0.0;
    return negative ? -magnitude : magnitude;
}

} // namespace quorl
