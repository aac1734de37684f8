#include "map/plot_view.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double zoom_in_share = 0.25;
constexpr double zoom_out_share = 0.5;
constexpr double pan_share = 0.125;
constexpr double follow_share = 0.45;

SAxis_range followed(const SAxis_range &range, double value)
{
    const double r = range.span();
    if (value - range.min < follow_share * r) {
        const double min = value - follow_share * r;
        return {min, min + r};
    }
    if (range.max - value < follow_share * r) {
        const double max = value + follow_share * r;
        return {max - r, max};
    }
    return range;
}

SAxis_range fitted(double low, double high, double least_span)
{
    if (high - low >= least_span) {
        return {low, high};
    }
    const double middle = (low + high) / 2;
    return {middle - least_span / 2, middle + least_span / 2};
}

// 1, 2, 5 or 10 times the power of ten at or below `raw`, whichever is nearest.
double round_step(double raw)
{
    const double magnitude = std::pow(10.0, std::floor(std::log10(raw)));
    const double residual = raw / magnitude;
    if (residual < 1.5) {
        return magnitude;
    }
    if (residual < 3.5) {
        return 2 * magnitude;
    }
    if (residual < 7.5) {
        return 5 * magnitude;
    }
    return 10 * magnitude;
}

} // namespace

SPlot_view ViewAround(const SPlane_point &centre, double half_span)
{
    return {{centre.x - half_span, centre.x + half_span},
            {centre.y - half_span, centre.y + half_span}};
}

SPlot_view ZoomedIn(const SPlot_view &view)
{
    const double rx = view.x.span();
    const double ry = view.y.span();
    return {{view.x.min + zoom_in_share * rx, view.x.max - zoom_in_share * rx},
            {view.y.min + zoom_in_share * ry, view.y.max - zoom_in_share * ry}};
}

SPlot_view ZoomedOut(const SPlot_view &view)
{
    const double rx = view.x.span();
    const double ry = view.y.span();
    return {{view.x.min - zoom_out_share * rx, view.x.max + zoom_out_share * rx},
            {view.y.min - zoom_out_share * ry, view.y.max + zoom_out_share * ry}};
}

SPlot_view Panned(const SPlot_view &view, EPan direction)
{
    const double dx = pan_share * view.x.span();
    const double dy = pan_share * view.y.span();
    SPlot_view moved = view;
    switch (direction) {
    case EPan::up:
        moved.y = {view.y.min + dy, view.y.max + dy};
        break;
    case EPan::down:
        moved.y = {view.y.min - dy, view.y.max - dy};
        break;
    case EPan::right:
        moved.x = {view.x.min + dx, view.x.max + dx};
        break;
    case EPan::left:
        moved.x = {view.x.min - dx, view.x.max - dx};
        break;
    case EPan::none:
        break;
    }
    return moved;
}

SPlot_view Centred(const SPlot_view &view, const SPlane_point &point)
{
    const double hx = view.x.span() / 2;
    const double hy = view.y.span() / 2;
    return {{point.x - hx, point.x + hx}, {point.y - hy, point.y + hy}};
}

SPlot_view Followed(const SPlot_view &view, const SPlane_point &point)
{
    return {followed(view.x, point.x), followed(view.y, point.y)};
}

SPlot_view Fitted(const SBounds &bounds, double least_span)
{
    return {fitted(bounds.min_x, bounds.max_x, least_span),
            fitted(bounds.min_y, bounds.max_y, least_span)};
}

SPlot_view Converted(const SPlot_view &view, const CTrack &track, EPlot_units from)
{
    const SPlane_point low = track.converted({view.x.min, view.y.min}, from);
    const SPlane_point high = track.converted({view.x.max, view.y.max}, from);
    return {{low.x, high.x}, {low.y, high.y}};
}

std::vector<double> AxisTicks(const SAxis_range &range, double units_per_value, std::size_t wanted)
{
    const double low = range.min * units_per_value;
    const double high = range.max * units_per_value;
    std::vector<double> ticks;
    if (!(high > low) || !std::isfinite(high - low) || wanted == 0) {
        return ticks;
    }
    const double step = round_step((high - low) / static_cast<double>(wanted));
    const double first = std::ceil(low / step);
    for (double i = first; i * step <= high + step * 1e-9 && ticks.size() <= 3 * wanted; ++i) {
        const double value = std::fabs(i) < 0.5 ? 0.0 : i * step;
        ticks.push_back(value / units_per_value);
    }
    return ticks;
}
