#include "TestBand.h"

#include "NumberText.h"

#include <optional>

namespace quorl {

namespace {

constexpr int kVhfType = 2;                       // "ZR - 103S"
constexpr std::uint32_t kSlotSpacing = 1'000'000; // 10 MHz
constexpr std::size_t kTextWidth = 8;

constexpr std::uint32_t stepSize(FrequencyStep step) {
    return step == FrequencyStep::Step5kHz ? 500 : 625;
}

std::uint32_t roundToStep(std::uint32_t count, FrequencyStep step) {
    const std::uint32_t size = stepSize(step);
    const std::uint32_t remainder = count % size;
    // Twice the remainder against the step: 250 of 500 rounds down, 313 of 625 rounds up.
    const bool up = step == FrequencyStep::Step5kHz ? 2 * remainder > size : 2 * remainder >= size;
    return up ? count + size - remainder : count - remainder;
}

} // namespace

std::uint32_t TestBand::opening(TestSlot slot) const {
    switch (slot) {
    case TestSlot::High:
        return high;
    case TestSlot::Middle:
        return middle;
    case TestSlot::Low:
        break;
    }
    return low;
}

TestBand testBand(int typeIndex, int fieldIndex) {
    const int type = typeIndex < 0 ? kVhfType : typeIndex;
    const int field = fieldIndex < 0 ? 0 : fieldIndex;
    const BandLimit limits = bandLimit(type, field).value_or(*bandLimit(kVhfType, 0));
    const std::uint32_t middle = limits.lower + (limits.upper - limits.lower) / 2;
    if (limits.upper - limits.lower < 2 * kSlotSpacing)
        return {limits, limits.upper, middle, limits.lower};
    return {limits, middle + kSlotSpacing, middle, middle - kSlotSpacing};
}

std::uint32_t confirmTestFrequency(std::string_view text, const BandLimit& limits,
                                   FrequencyStep step) {
    const std::optional<std::uint32_t> count = frequencyCount(text);
    if (!count)
        return limits.upper;
    const std::uint32_t value = *count;
    if (value > limits.upper)
        return limits.upper;
    if (value < limits.lower)
        return limits.lower;
    return roundToStep(value, step);
}

std::string testFrequencyText(std::uint32_t count) {
    const std::string text = frequencyText(count);
    return text.size() < kTextWidth ? std::string(kTextWidth - text.size(), ' ') + text : text;
}

} // namespace quorl
