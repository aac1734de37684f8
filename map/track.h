#pragma once
// The track the position plot draws: each point in metres north and east of the first and in
// longitude and latitude, the bounds of each so far, and a thinned copy to draw whose length does
// not grow with the track. Standard library only.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

// A position: latitude and longitude in degrees, altitude in metres.
struct SGeodetic {
    double latitude = 0;
    double longitude = 0;
    double altitude = 0;
};

// A point of the plot: x east (metres, or degrees of longitude), y north (metres, or degrees of
// latitude).
struct SPlane_point {
    double x = 0;
    double y = 0;
};

enum class EPlot_units : std::uint8_t { metres, degrees };

// `to` - `from` in degrees of longitude, the short way round: from -180 up to 180.
double LongitudeDifference(double from, double to);

// Metres north and east of a start position, from the radii of curvature of the earth model at a
// point's latitude, plus its altitude.
class CLocal_frame {
public:
    CLocal_frame(double start_latitude, double start_longitude);

    SPlane_point metres(const SGeodetic &point) const;
    // Metres per degree of longitude (x) and of latitude (y) at `point`.
    static SPlane_point metres_per_degree(const SGeodetic &point);
    // The longitude of `point` counted on from the start's across the antimeridian, so that a
    // track that crosses it stays one line: 179.9 then 180.1, not -179.9.
    double continuous_longitude(double longitude) const;

private:
    double m_start_latitude;
    double m_start_longitude;
};

// The smallest box around every point added.
struct SBounds {
    double min_x = 0;
    double max_x = 0;
    double min_y = 0;
    double max_y = 0;
    bool empty = true;

    void add(const SPlane_point &point);
};

// Every stride-th point of a line (the first always), at most `kept` of them: when they would be
// more, every second one goes and the stride doubles. The newest `tail` points are all kept
// besides, so that the newest part of the line is drawn whole.
class CThinned_line {
public:
    static constexpr std::size_t kept_points = 4096;
    static constexpr std::size_t tail_points = 1024;

    void add(const SPlane_point &point);
    void clear();
    std::size_t stride() const { return m_stride; }
    // The points to draw, oldest first: at most kept_points + tail_points.
    void drawn(std::vector<SPlane_point> &out) const;

private:
    std::vector<SPlane_point> m_kept; // point i * m_stride of the line
    std::vector<SPlane_point> m_tail; // ring of the newest points
    std::size_t m_tail_start = 0;     // the oldest point of the ring, once it is full
    std::size_t m_count = 0;
    std::size_t m_stride = 1;
};

class CTrack {
public:
    // Adds a point; false (and nothing added) when it is not a position on earth: a value that
    // is not a finite number, a latitude beyond ±90, a longitude beyond ±180 or an altitude as
    // far from the surface as the earth's equatorial radius.
    bool add(const SGeodetic &position);
    void clear();

    std::size_t count() const { return m_count; }
    bool empty() const { return m_count == 0; }
    const SGeodetic &start() const { return m_start; }
    const SGeodetic &last() const { return m_last; }
    // The newest point in `units`.
    SPlane_point last_point(EPlot_units units) const;
    const SBounds &bounds(EPlot_units units) const;
    void drawn(EPlot_units units, std::vector<SPlane_point> &out) const;
    // Converts a point between the units at the newest position.
    SPlane_point converted(const SPlane_point &point, EPlot_units from) const;

private:
    std::size_t m_count = 0;
    SGeodetic m_start;
    SGeodetic m_last;
    std::optional<CLocal_frame> m_frame;
    SPlane_point m_last_points[2];
    SBounds m_bounds[2];
    CThinned_line m_lines[2];
};
