#include "NumberText.h"

#include "Decimal.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace quorl {

namespace {

constexpr double kLargestCount = std::numeric_limits<std::uint32_t>::max();
constexpr std::uint32_t kCountsPerMegahertz = 100'000;

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t skipDigits(std::string_view text, std::size_t pos) {
    while (pos < text.size() && isDigit(text[pos]))
        ++pos;
    return pos;
}

// Skips leading white space and one sign; tells whether the sign was a minus.
std::size_t skipBlanksAndSign(std::string_view text, bool& negative) {
    std::size_t pos = 0;
    while (pos < text.size() && isBlank(text[pos]))
        ++pos;
    negative = pos < text.size() && text[pos] == '-';
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+'))
        ++pos;
    return pos;
}

// Where the number that starts at `start` ends: digits with an optional decimal point and
// exponent. `start` itself when there are no digits. Found by hand: from_chars alone would
// also take "inf", "nan" and a second sign, none of which the radio's texts ever meant.
std::size_t numberEnd(std::string_view text, std::size_t start) {
    std::size_t pos = skipDigits(text, start);
    bool hasDigits = pos > start;
    if (pos < text.size() && text[pos] == '.') {
        const std::size_t fraction = pos + 1;
        pos = skipDigits(text, fraction);
        hasDigits = hasDigits || pos > fraction;
    }
    if (!hasDigits)
        return start;
    if (pos < text.size() && (text[pos] == 'e' || text[pos] == 'E')) {
        std::size_t exponent = pos + 1;
        if (exponent < text.size() && (text[exponent] == '+' || text[exponent] == '-'))
            ++exponent;
        const std::size_t end = skipDigits(text, exponent);
        if (end > exponent)
            pos = end;
    }
    return pos;
}

} // namespace

double readLeadingNumber(std::string_view text) {
    bool negative = false;
    const std::size_t start = skipBlanksAndSign(text, negative);
    const std::size_t end = numberEnd(text, start);
    if (end == start)
        return 0.0;

    double value = 0.0;
    const auto [last, error] = std::from_chars(text.data() + start, text.data() + end, value);
    if (error != std::errc{})
        return 0.0; // beyond what a double holds, or so small it is lost: no number
    return negative ? -value : value;
}

std::size_t leadingNumberLength(std::string_view text) {
    bool negative = false;
    const std::size_t start = skipBlanksAndSign(text, negative);
    const std::size_t end = numberEnd(text, start);
    return end == start ? 0 : end;
}

std::int32_t readLeadingInteger(std::string_view text) {
    bool negative = false;
    const std::size_t start = skipBlanksAndSign(text, negative);
    const std::size_t end = skipDigits(text, start);

    constexpr std::int64_t kLimit = std::int64_t{std::numeric_limits<std::int32_t>::max()} + 1;
    std::int64_t magnitude = 0;
    for (std::size_t pos = start; pos < end; ++pos) {
        magnitude = magnitude * 10 + (text[pos] - '0');
        if (magnitude > kLimit)
            return 0;
    }
    const std::int64_t value = negative ? -magnitude : magnitude;
    if (value > std::numeric_limits<std::int32_t>::max())
        return 0;
    return static_cast<std::int32_t>(value);
}

std::optional<std::uint32_t> frequencyCount(std::string_view text) {
    const double count =
        std::trunc(decimalMultiply(readLeadingNumber(text), double{kCountsPerMegahertz}));
    if (!(count >= 0.0 && count <= kLargestCount))
        return std::nullopt;
    return static_cast<std::uint32_t>(count);
}

std::string frequencyText(std::uint32_t count) {
    // The digits of count / 100000 with five decimals: exactly what "%3.5f" prints for
    // count × 0.00001, without a locale's decimal comma.
    char buffer[16];
    char* end = std::to_chars(buffer, buffer + sizeof buffer, count / kCountsPerMegahertz).ptr;
    *end++ = '.';
    std::uint32_t fraction = count % kCountsPerMegahertz;
    for (int digit = 4; digit >= 0; --digit) {
        end[digit] = static_cast<char>('0' + fraction % 10);
        fraction /= 10;
    }
    return std::string(buffer, end + 5);
}

} // namespace quorl
