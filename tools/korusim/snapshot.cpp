#include "tools/korusim/snapshot.h"

#include <cmath>

double SSnapshot::utc_of(double koru_time) const
{
    constexpr double seconds_per_day = 86400;
    return std::fmod(utc_at_power_on + koru_time, seconds_per_day);
}

std::uint32_t occurrences(double seconds, double rate)
{
    return static_cast<std::uint32_t>(std::floor(seconds * rate));
}
