#pragma once

// A radio memory full of repeatable noise, so that a transfer that moves the wrong byte shows.

#include "RadioImage.h"

#include <random>

inline quorl::RadioImage randomImage(unsigned seed) {
    std::mt19937 generator(seed);
    quorl::RadioImage image;
    for (auto& byte : image)
        byte = static_cast<std::uint8_t>(generator());
    return image;
}
