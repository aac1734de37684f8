// Adds positions of any bit patterns (NaN, infinities, beyond the poles, across the antimeridian,
// wild altitudes) to the position plot's track. Only positions on earth are taken; the bounds and
// the newest point stay finite numbers and the newest point lies within the bounds; the line drawn
// keeps its limit.

#include "map/earth_constants.h"
#include "map/track.h"

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

void require(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

bool finite(const SPlane_point &point)
{
    return std::isfinite(point.x) && std::isfinite(point.y);
}

void check_units(const CTrack &track, EPlot_units units, std::vector<SPlane_point> &drawn)
{
    const SBounds &bounds = track.bounds(units);
    const SPlane_point newest = track.last_point(units);
    require(!bounds.empty);
    require(finite(newest));
    require(std::isfinite(bounds.min_x) && std::isfinite(bounds.max_x));
    require(std::isfinite(bounds.min_y) && std::isfinite(bounds.max_y));
    require(bounds.min_x <= newest.x && newest.x <= bounds.max_x);
    require(bounds.min_y <= newest.y && newest.y <= bounds.max_y);
    track.drawn(units, drawn);
    require(!drawn.empty());
    require(drawn.size() <= CThinned_line::kept_points + CThinned_line::tail_points);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    CTrack track;
    std::vector<SPlane_point> drawn;
    std::size_t taken = 0;
    constexpr std::size_t point_bytes = 3 * sizeof(double);
    for (std::size_t at = 0; at + point_bytes <= size; at += point_bytes) {
        SGeodetic position;
        std::memcpy(&position.latitude, data + at, sizeof(double));
        std::memcpy(&position.longitude, data + at + sizeof(double), sizeof(double));
        std::memcpy(&position.altitude, data + at + 2 * sizeof(double), sizeof(double));
        const bool on_earth =
            std::isfinite(position.latitude) && std::isfinite(position.longitude) &&
            std::isfinite(position.altitude) && std::abs(position.latitude) <= 90 &&
            std::abs(position.longitude) <= 180 &&
            std::abs(position.altitude) < earth_constant.semi_major_axis;
        require(track.add(position) == on_earth);
        taken += on_earth ? 1 : 0;
        require(track.count() == taken);
        if (!track.empty()) {
            check_units(track, EPlot_units::metres, drawn);
            check_units(track, EPlot_units::degrees, drawn);
        }
    }
    return 0;
}
