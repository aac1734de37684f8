#pragma once
// What part of the plane the position plot shows, and how zooming, panning, centring and
// following the current position move it. Standard library only.

#include "map/track.h"

#include <cstddef>
#include <cstdint>
#include <vector>

struct SAxis_range {
    double min = 0;
    double max = 0;
    double span() const { return max - min; }
};

struct SPlot_view {
    SAxis_range x;
    SAxis_range y;
};

enum class EPan : std::uint8_t { none, up, down, left, right };

// ±`half_span` about `centre` on both axes.
SPlot_view ViewAround(const SPlane_point &centre, double half_span);
// Each range halves about its middle.
SPlot_view ZoomedIn(const SPlot_view &view);
// Each range doubles about its middle.
SPlot_view ZoomedOut(const SPlot_view &view);
// An eighth of the range towards `direction`.
SPlot_view Panned(const SPlot_view &view, EPan direction);
// `point` in the middle, the ranges kept.
SPlot_view Centred(const SPlot_view &view, const SPlane_point &point);
// Following the current position: on an axis where `point` is nearer an edge than 45 % of the
// range (or beyond it), the range moves so that the point is 45 % of the range from that edge.
SPlot_view Followed(const SPlot_view &view, const SPlane_point &point);
// The whole of `bounds`; an axis narrower than `least_span` gets that span about its middle.
SPlot_view Fitted(const SBounds &bounds, double least_span);
// `view` in the other units, at the track's newest position.
SPlot_view Converted(const SPlot_view &view, const CTrack &track, EPlot_units from);

// About `wanted` round values within `range` for axis labels, in ascending order: steps of 1, 2
// or 5 times a power of ten of the range counted in units of 1 / `units_per_value` (3600 counts
// degrees in arc-seconds).
std::vector<double> AxisTicks(const SAxis_range &range, double units_per_value, std::size_t wanted);
