#include "BandLimits.h"

#include <array>

namespace quorl {

namespace {

// Rows by Type (ZR - 101S, ZR - 102S, ZR - 103S), columns by Field.
constexpr std::array<std::array<BandLimit, 2>, 3> kBandLimits{{
    {{{40'000'000, 47'000'000}, {43'000'000, 45'000'000}}},
    {{{40'000'000, 47'000'000}, {43'000'000, 45'000'000}}},
    {{{13'600'000, 17'500'000}, {14'400'000, 14'600'000}}},
}};

} // namespace

std::optional<BandLimit> bandLimit(int typeIndex, int fieldIndex) {
    if (typeIndex < 0 || typeIndex >= static_cast<int>(kBandLimits.size()) || fieldIndex < 0 ||
        fieldIndex >= static_cast<int>(kBandLimits[0].size()))
        return std::nullopt;
    return kBandLimits[typeIndex][fieldIndex];
}

} // namespace quorl
