#pragma once

// Reading numbers the way the radio's texts have always been read: the leading number
// of a text, anything after it ignored, no number giving 0.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorl {

// Optional white space, optional sign, digits with an optional decimal point and exponent.
// Texts with no number, or whose number is not finite ("inf", "nan", "1e999"), give 0.
double readLeadingNumber(std::string_view text);

// How many characters of the text readLeadingNumber reads (white space, sign and number);
// 0 when the text holds no number.
std::size_t leadingNumberLength(std::string_view text);

// Optional white space, optional sign, decimal digits. No digits, or a number that does not
// fit in 32 bits, gives 0.
std::int32_t readLeadingInteger(std::string_view text);

// A frequency text in MHz to its count of 10 Hz units: decimalMultiply by 100000, truncated
// toward zero. Empty when the product is negative or does not fit the 32-bit count.
std::optional<std::uint32_t> frequencyCount(std::string_view text);

// A count of 10 Hz units as the table shows it: MHz with "%3.5f".
std::string frequencyText(std::uint32_t count);

} // namespace quorl
