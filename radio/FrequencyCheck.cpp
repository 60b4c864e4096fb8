#include "FrequencyCheck.h"

#include "NumberText.h"

namespace quorl {

namespace {

constexpr std::uint32_t kLowestFormat = 6'700'000;   // 67 MHz
constexpr std::uint32_t kHighestFormat = 52'100'000; // 521 MHz
constexpr std::uint32_t kStep6k25 = 625;
constexpr std::uint32_t kStep5k = 500;

FrequencyCheck refused(FrequencyVerdict verdict) {
    return {verdict, {}, 0};
}

} // namespace

FrequencyCheck checkFrequency(std::string_view typed, std::optional<BandLimit> band) {
    const std::optional<std::uint32_t> count = frequencyCount(typed);
    if (!count || *count < kLowestFormat || *count > kHighestFormat)
        return refused(FrequencyVerdict::BadFormat);
    if (!band || !band->contains(*count))
        return refused(FrequencyVerdict::OutOfRange);
    if (*count % kStep6k25 != 0 && *count % kStep5k != 0)
        return refused(FrequencyVerdict::BadStep);
    // The text is made from the checked count, so that 446.006259 shows and stores
    // 446.00625 rather than a rounded 446.00626 that is off the raster.
    return {FrequencyVerdict::Accepted, frequencyText(*count), *count};
}

std::string_view frequencyMessage(FrequencyVerdict verdict) {
    switch (verdict) {
    case FrequencyVerdict::BadFormat:
        return "Error Data Format，Please input again";
    case FrequencyVerdict::OutOfRange:
        return "Out of range，Please input again";
    case FrequencyVerdict::BadStep:
        return "Error data Value，Please input according the step value(6.25K/5k)";
    case FrequencyVerdict::Accepted:
        break;
    }
    return {};
}

} // namespace quorl
