#include "tools/korusim/snapshot.h"

#include <cmath>

double SSnapshot::utc_of(double koru_time) const
{
    constexpr double seconds_per_day = 86400;
    return std::fmod(utc_at_power_on + koru_time, seconds_per_day);
}
