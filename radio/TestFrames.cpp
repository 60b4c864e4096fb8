#include "TestFrames.h"

#include "Bcd.h"
#include "NumberText.h"

#include <cmath>
#include <optional>

namespace quorl {

namespace {

constexpr double kTenthsPerHertz = 10.0;
constexpr std::uint32_t kLargestFrequency = 99'999'999; // four BCD pairs
constexpr std::uint32_t kLargestTone = 9'999;           // two BCD pairs
constexpr std::array<std::uint8_t, 3> kValueMarker{0xFB, 0x01, 0x01};

// The text's number × scale, truncated toward zero; 0 when it is not in 0..largest, so that no
// conversion of an out-of-range double ever happens.
std::uint32_t scaledNumber(std::string_view text, double scale, std::uint32_t largest) {
    const double product = std::trunc(readLeadingNumber(text) * scale);
    if (!(product >= 0.0 && product <= largest))
        return 0;
    return static_cast<std::uint32_t>(product);
}

// Read with exact decimals, as the channel table reads frequencies, so that the count is the
// one the text shows; 0 when the four pairs cannot hold it.
std::uint32_t sentFrequency(std::string_view text) {
    const std::optional<std::uint32_t> count = frequencyCount(text);
    return count && *count <= kLargestFrequency ? *count : 0;
}

} // namespace

std::array<std::uint8_t, 4> testFrequencyBytes(std::string_view text) {
    const std::uint32_t count = sentFrequency(text);
    return {bcdByte(static_cast<int>(count % 100)), bcdByte(static_cast<int>(count / 100 % 100)),
            bcdByte(static_cast<int>(count / 10'000 % 100)),
            bcdByte(static_cast<int>(count / 1'000'000))};
}

std::array<std::uint8_t, 2> testToneBytes(std::string_view text) {
    const std::uint32_t tenths = scaledNumber(text, kTenthsPerHertz, kLargestTone);
    return {bcdByte(static_cast<int>(tenths % 100)), bcdByte(static_cast<int>(tenths / 100))};
}

TestFrame frequencyFrame(std::string_view receive, std::string_view transmit) {
    const auto rx = testFrequencyBytes(receive);
    const auto tx = testFrequencyBytes(transmit);
    return {rx[0], rx[1], rx[2], rx[3], tx[0], tx[1], tx[2], tx[3]};
}

TestFrame valueFrame(std::string_view receiveTone, std::string_view transmitTone,
                     std::uint8_t value) {
    const auto rx = testToneBytes(receiveTone);
    const auto tx = testToneBytes(transmitTone);
    return {rx[0], rx[1], tx[0], tx[1], kValueMarker[0], kValueMarker[1], kValueMarker[2], value};
}

} // namespace quorl
