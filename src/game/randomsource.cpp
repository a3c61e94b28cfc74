// SPDX-License-Identifier: MIT
// The draw's random source and the time of day it is seeded from.
#include "randomsource.h"

#include <chrono>
#include <cstring>
#include <ctime>

namespace quimbelo {

void RandomSource::reseed(double seconds)
{
    // Every bit of the time counts, the fraction's included, so that rounds started
    // within the same second draw differently. The bits are copied rather than
    // std::bit_cast, which the web build's older libc++ lacks; the result is the same.
    static_assert(sizeof(double) == sizeof(std::uint64_t));
    std::uint64_t bits = 0;
    std::memcpy(&bits, &seconds, sizeof bits);
    std::seed_seq seed { static_cast<std::uint32_t>(bits), static_cast<std::uint32_t>(bits >> 32) };
    m_engine.seed(seed);
}

float RandomSource::next()
{
    // 24 random bits fill a float's mantissa exactly: the result is never 1.
    return static_cast<float>(m_engine() >> 8) * 0x1.0p-24f;
}

double secondsSinceMidnight()
{
    using namespace std::chrono;
    const auto now = system_clock::now();
    const std::time_t seconds = system_clock::to_time_t(now);
    std::tm local {};
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    const double fraction = duration<double>(now - system_clock::from_time_t(seconds)).count();
    return local.tm_hour * 3600.0 + local.tm_min * 60.0 + local.tm_sec + fraction;
}

} // namespace quimbelo
