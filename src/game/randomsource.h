// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <random>

namespace quimbelo {

// The uniform source behind the draw: reseeded at every round from the time of day,
// then yielding single-precision values in [0, 1).
class RandomSource
{
public:
    void reseed(double seconds);
    float next();

private:
    std::mt19937 m_engine;
};

// Seconds since local midnight, with their fraction.
double secondsSinceMidnight();

} // namespace quimbelo
