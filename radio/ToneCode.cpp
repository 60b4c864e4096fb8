#include "ToneCode.h"

#include "Bcd.h"
#include "NumberText.h"

#include <cmath>
#include <limits>

namespace quorl {

namespace {

constexpr std::uint8_t kDcsNormal = 0x80;
constexpr std::uint8_t kDcsInverted = 0xC0;

// Tenths of hertz as "%3.1f" prints tenths × 0.1.
std::string ctcssText(int tenths) {
    std::string text = std::to_string(tenths / 10);
    text += '.';
    text += static_cast<char>('0' + tenths % 10);
    return text;
}

std::string dcsText(int hundreds, std::uint8_t low, char polarity) {
    // Codes below 100 keep the leading zero of their written form ("D023N").
    const int code = hundreds * 100 + bcdValue(low);
    return (hundreds == 0 ? "D0" : "D") + std::to_string(code) + polarity;
}

// The tone in tenths of hertz, or 0 when the text holds no number or one that no int holds.
int tenthsOf(std::string_view text) {
    const double tenths = std::trunc(readLeadingNumber(text) * 10.0);
    if (!(std::abs(tenths) <= std::numeric_limits<int>::max()))
        return 0;
    return static_cast<int>(tenths);
}

} // namespace

std::string toneToText(std::uint8_t low, std::uint8_t high) {
    if (high == 0x00 || high == 0xFF) // erased or cleared: no tone, whatever the low byte
        return "OFF";
    if (high >= kDcsInverted)
        return dcsText(high - kDcsInverted, low, 'I');
    if (high >= kDcsNormal)
        return dcsText(high - kDcsNormal, low, 'N');
    return ctcssText(bcdValue(high) * 100 + bcdValue(low));
}

ToneCode textToTone(std::string_view text) {
    if (text.find('D') != std::string_view::npos) {
        // The first character is the "D" of a table entry; only "N" marks normal polarity.
        const std::string_view code = text.substr(1);
        const int number = readLeadingInteger(code);
        const int base = code.find('N') != std::string_view::npos ? kDcsNormal : kDcsInverted;
        return {bcdByte(number % 100), static_cast<std::uint8_t>(number / 100 + base)};
    }
    const int tenths = tenthsOf(text);
    if (tenths == 0)
        return {};
    return {bcdByte(tenths % 100), bcdByte(tenths / 100)};
}

} // namespace quorl
