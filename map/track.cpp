#include "map/track.h"

#include "map/earth_constants.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double full_turn = 360;
constexpr double half_turn = 180;
constexpr double right_angle = 90;
// Metres per degree of longitude never taken as smaller, near a pole.
constexpr double least_metres_per_degree = 1e-9;

// The prime-vertical radius N = a / √w and the meridian radius M = a (1 - e²) / w^(3/2) at
// `latitude` (degrees), with w = 1 - e² sin² latitude. (M without the power 3/2 would be 0.17 %
// short at 45 degrees: 100 m north would plot at 99.83 m.)
struct SRadii {
    double prime_vertical;
    double meridian;
};

SRadii radii_at(double latitude)
{
    const CEarthConstant &earth = earth_constant;
    const double sine = std::sin(latitude * conv.degrees_to_radians);
    const double w = 1 - earth.eccentricity_squared * sine * sine;
    return {earth.semi_major_axis / std::sqrt(w),
            earth.semi_major_axis * (1 - earth.eccentricity_squared) / (w * std::sqrt(w))};
}

std::size_t index_of(EPlot_units units)
{
    return units == EPlot_units::metres ? 0 : 1;
}

} // namespace

double LongitudeDifference(double from, double to)
{
    double difference = std::fmod(to - from + half_turn, full_turn);
    if (difference < 0) {
        difference += full_turn;
    }
    return difference - half_turn;
}

CLocal_frame::CLocal_frame(double start_latitude, double start_longitude)
    : m_start_latitude(start_latitude), m_start_longitude(start_longitude)
{}

SPlane_point CLocal_frame::metres(const SGeodetic &point) const
{
    const SPlane_point scale = metres_per_degree(point);
    return {scale.x * LongitudeDifference(m_start_longitude, point.longitude),
            scale.y * (point.latitude - m_start_latitude)};
}

SPlane_point CLocal_frame::metres_per_degree(const SGeodetic &point)
{
    const SRadii radii = radii_at(point.latitude);
    const double cosine = std::cos(point.latitude * conv.degrees_to_radians);
    return {(radii.prime_vertical + point.altitude) * cosine * conv.degrees_to_radians,
            (radii.meridian + point.altitude) * conv.degrees_to_radians};
}

double CLocal_frame::continuous_longitude(double longitude) const
{
    return m_start_longitude + LongitudeDifference(m_start_longitude, longitude);
}

void SBounds::add(const SPlane_point &point)
{
    if (empty) {
        min_x = max_x = point.x;
        min_y = max_y = point.y;
        empty = false;
        return;
    }
    min_x = std::min(min_x, point.x);
    max_x = std::max(max_x, point.x);
    min_y = std::min(min_y, point.y);
    max_y = std::max(max_y, point.y);
}

void CThinned_line::add(const SPlane_point &point)
{
    if (m_count % m_stride == 0) {
        m_kept.push_back(point);
        if (m_kept.size() > kept_points) {
            // Point i * stride stays as point (i / 2) * (2 * stride).
            std::size_t to = 0;
            for (std::size_t from = 0; from < m_kept.size(); from += 2) {
                m_kept[to++] = m_kept[from];
            }
            m_kept.resize(to);
            m_stride *= 2;
        }
    }
    if (m_tail.size() < tail_points) {
        m_tail.push_back(point);
    } else {
        m_tail[m_tail_start] = point;
        m_tail_start = (m_tail_start + 1) % tail_points;
    }
    ++m_count;
}

void CThinned_line::clear()
{
    m_kept.clear();
    m_tail.clear();
    m_tail_start = 0;
    m_count = 0;
    m_stride = 1;
}

void CThinned_line::drawn(std::vector<SPlane_point> &out) const
{
    out.clear();
    const std::size_t tail_first = m_count - m_tail.size();
    for (std::size_t i = 0; i < m_kept.size() && i * m_stride < tail_first; ++i) {
        out.push_back(m_kept[i]);
    }
    for (std::size_t k = 0; k < m_tail.size(); ++k) {
        out.push_back(m_tail[(m_tail_start + k) % m_tail.size()]);
    }
}

bool CTrack::add(const SGeodetic &position)
{
    // An altitude as deep as the earth's radius would turn the radii of curvature round (and a
    // wild one would overflow the metres): no such point is a position.
    if (!std::isfinite(position.latitude) || !std::isfinite(position.longitude) ||
        !std::isfinite(position.altitude) || std::fabs(position.latitude) > right_angle ||
        std::fabs(position.longitude) > half_turn ||
        std::fabs(position.altitude) >= earth_constant.semi_major_axis) {
        return false;
    }
    if (m_count == 0) {
        m_start = position;
        m_frame.emplace(position.latitude, position.longitude);
    }
    m_last = position;
    const SPlane_point points[2] = {
        m_frame->metres(position),
        {m_frame->continuous_longitude(position.longitude), position.latitude}};
    for (std::size_t i = 0; i < 2; ++i) {
        m_last_points[i] = points[i];
        m_bounds[i].add(points[i]);
        m_lines[i].add(points[i]);
    }
    ++m_count;
    return true;
}

void CTrack::clear()
{
    m_count = 0;
    m_frame.reset();
    for (std::size_t i = 0; i < 2; ++i) {
        m_bounds[i] = {};
        m_lines[i].clear();
    }
}

SPlane_point CTrack::last_point(EPlot_units units) const
{
    return m_last_points[index_of(units)];
}

const SBounds &CTrack::bounds(EPlot_units units) const
{
    return m_bounds[index_of(units)];
}

void CTrack::drawn(EPlot_units units, std::vector<SPlane_point> &out) const
{
    m_lines[index_of(units)].drawn(out);
}

SPlane_point CTrack::converted(const SPlane_point &point, EPlot_units from) const
{
    SPlane_point scale = CLocal_frame::metres_per_degree(m_last);
    scale.x = std::max(std::fabs(scale.x), least_metres_per_degree);
    const SPlane_point origin{m_frame ? m_frame->continuous_longitude(m_start.longitude) : 0,
                              m_start.latitude};
    if (from == EPlot_units::metres) {
        return {origin.x + point.x / scale.x, origin.y + point.y / scale.y};
    }
    return {(point.x - origin.x) * scale.x, (point.y - origin.y) * scale.y};
}
