// The position plot's maths: the earth model, metres from the start, the track's bounds and its
// thinned line, and the view moved by zooming, panning, centring and following.

#include "map/earth_constants.h"
#include "map/plot_view.h"
#include "map/track.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr double pi = 3.14159265358979323846;

TEST(EarthModel, ConstantsAndFactors)
{
    EXPECT_DOUBLE_EQ(earth_constant.flattening, 1 / 298.257223563);
    EXPECT_DOUBLE_EQ(earth_constant.eccentricity_squared, 0.0066943799901413165);
    EXPECT_DOUBLE_EQ(earth_constant.one_over_semi_major_axis * 6378137.0, 1.0);
    EXPECT_DOUBLE_EQ(earth_constant.gravity_model_k_squared, 0.001240755392 * 0.001240755392);
    EXPECT_DOUBLE_EQ(conv.arc_seconds_to_radians, pi / 180 / 3600);
    EXPECT_DOUBLE_EQ(conv.micro_g, 9.7976446561e-6);
    EXPECT_DOUBLE_EQ(conv.radians_to_degrees, 180 / pi);
    EXPECT_DOUBLE_EQ(conv.gravity_per_milli_arc_second,
                     9.7976446561 / (1000 * pi / 180 / 3600));
    EXPECT_DOUBLE_EQ(conv.nautical_miles_per_metre, 1 / 1852.0);
}

TEST(LocalFrame, TheFirstPointIsTheOriginAndNorthIsAlongTheMeridian)
{
    const CLocal_frame frame(45, 10);
    const SPlane_point origin = frame.metres({45, 10, 0});
    EXPECT_EQ(origin.x, 0);
    EXPECT_EQ(origin.y, 0);

    // The meridian radius at 45 degrees, from the textbook formula: about 6,367 km.
    const double e2 = 0.00669437999014;
    const double s = std::sin(pi / 4);
    const double meridian = 6378137.0 * (1 - e2) / std::pow(1 - e2 * s * s, 1.5);
    EXPECT_NEAR(meridian, 6367381.8, 1.0);
    const double degrees_north = 100.0 / meridian * 180 / pi;
    const SPlane_point north = frame.metres({45 + degrees_north, 10, 0});
    EXPECT_NEAR(north.y, 100.0, 0.01);
    EXPECT_NEAR(north.x, 0.0, 1e-9);

    // East at the equator: a degree of longitude is 2πa/360.
    const CLocal_frame equator(0, 0);
    EXPECT_NEAR(equator.metres({0, 1, 0}).x, 2 * pi * 6378137.0 / 360, 1e-6);
    EXPECT_NEAR(equator.metres({0, 1, 1000}).x, 2 * pi * 6379137.0 / 360, 1e-6)
        << "the altitude adds to the radius";
}

TEST(LocalFrame, ATrackAcrossTheAntimeridianStaysOneLine)
{
    EXPECT_DOUBLE_EQ(LongitudeDifference(179.5, -179.5), 1.0);
    EXPECT_DOUBLE_EQ(LongitudeDifference(-179.5, 179.5), -1.0);
    EXPECT_DOUBLE_EQ(LongitudeDifference(10, 20), 10.0);

    CTrack track;
    ASSERT_TRUE(track.add({0, 179.9999, 0}));
    ASSERT_TRUE(track.add({0, -179.9999, 0}));
    EXPECT_NEAR(track.last_point(EPlot_units::metres).x, 22.26, 0.01) << "0.0002 degrees east";
    EXPECT_NEAR(track.last_point(EPlot_units::degrees).x, 180.0001, 1e-9);
    EXPECT_NEAR(track.bounds(EPlot_units::metres).max_x, 22.26, 0.01);
}

TEST(Track, PointsThatAreNoPositionAreLeftOut)
{
    CTrack track;
    const double nan = std::nan("");
    EXPECT_FALSE(track.add({nan, 10, 0}));
    EXPECT_FALSE(track.add({45, nan, 0}));
    EXPECT_FALSE(track.add({45, 10, INFINITY}));
    EXPECT_FALSE(track.add({90.5, 10, 0}));
    EXPECT_FALSE(track.add({45, -180.5, 0}));
    EXPECT_FALSE(track.add({45, 10, -6378137.0})) << "at the earth's centre";
    EXPECT_FALSE(track.add({45, 10, 1.7e308})) << "the metres would overflow";
    EXPECT_TRUE(track.empty()) << "the first good point is the start";
    ASSERT_TRUE(track.add({45, 10, 100}));
    EXPECT_EQ(track.start().altitude, 100);
    EXPECT_FALSE(track.add({nan, 10, 0}));
    EXPECT_EQ(track.count(), 1u);
}

TEST(Track, BoundsGrowWithEveryPoint)
{
    CTrack track;
    track.add({45, 10, 0});
    track.add({45.001, 9.999, 0});
    track.add({44.999, 10.002, 0});
    const SBounds &degrees = track.bounds(EPlot_units::degrees);
    EXPECT_NEAR(degrees.min_x, 9.999, 1e-12);
    EXPECT_NEAR(degrees.max_x, 10.002, 1e-12);
    EXPECT_DOUBLE_EQ(degrees.min_y, 44.999);
    EXPECT_DOUBLE_EQ(degrees.max_y, 45.001);
    const SBounds &metres = track.bounds(EPlot_units::metres);
    EXPECT_LT(metres.min_x, 0);
    EXPECT_GT(metres.max_y, 100);
    track.clear();
    EXPECT_TRUE(track.bounds(EPlot_units::metres).empty);
}

TEST(ThinnedLine, TheLineDrawnStaysBoundedKeepsItsOrderAndEndsAtTheNewestPoint)
{
    CThinned_line line;
    std::vector<SPlane_point> drawn;
    const std::size_t most = CThinned_line::kept_points + CThinned_line::tail_points;
    for (std::size_t i = 0; i < 200000; ++i) {
        line.add({static_cast<double>(i), 0});
        if (i % 9973 == 0 || i == 199999) {
            line.drawn(drawn);
            ASSERT_LE(drawn.size(), most) << i;
            EXPECT_EQ(drawn.front().x, 0) << "the start is always drawn";
            EXPECT_EQ(drawn.back().x, static_cast<double>(i)) << "so is the newest point";
            for (std::size_t k = 1; k < drawn.size(); ++k) {
                ASSERT_LT(drawn[k - 1].x, drawn[k].x) << "in order, once each, at " << i;
            }
        }
    }
    // The newest points are drawn whole.
    for (std::size_t k = 0; k < CThinned_line::tail_points; ++k) {
        EXPECT_EQ(drawn[drawn.size() - 1 - k].x, static_cast<double>(199999 - k));
    }
    EXPECT_GT(line.stride(), 1u);
    line.clear();
    line.drawn(drawn);
    EXPECT_TRUE(drawn.empty());
}

TEST(PlotView, ZoomPanAndCentre)
{
    const SPlot_view first = ViewAround({0, 0}, 30);
    EXPECT_EQ(first.x.min, -30);
    EXPECT_EQ(first.y.max, 30);

    const SPlot_view twice = ZoomedIn(ZoomedIn(first));
    EXPECT_DOUBLE_EQ(twice.x.min, -7.5);
    EXPECT_DOUBLE_EQ(twice.x.max, 7.5);
    EXPECT_DOUBLE_EQ(twice.y.min, -7.5);
    EXPECT_DOUBLE_EQ(twice.y.max, 7.5);
    const SPlot_view out = ZoomedOut(first);
    EXPECT_DOUBLE_EQ(out.x.min, -60);
    EXPECT_DOUBLE_EQ(out.y.max, 60);

    const SPlot_view up = Panned(first, EPan::up);
    EXPECT_DOUBLE_EQ(up.y.min, -22.5);
    EXPECT_DOUBLE_EQ(up.x.min, -30);
    EXPECT_DOUBLE_EQ(Panned(first, EPan::left).x.max, 22.5);
    EXPECT_DOUBLE_EQ(Panned(first, EPan::right).x.min, -22.5);
    EXPECT_DOUBLE_EQ(Panned(first, EPan::down).y.max, 22.5);

    const SPlot_view centred = Centred(first, {100, -50});
    EXPECT_DOUBLE_EQ(centred.x.min, 70);
    EXPECT_DOUBLE_EQ(centred.y.max, -20);
}

TEST(PlotView, FollowingKeepsThePointInTheMiddleTenth)
{
    const SPlot_view view = ViewAround({0, 0}, 30); // range 60
    const SPlot_view inside = Followed(view, {2, -2.9});
    EXPECT_DOUBLE_EQ(inside.x.min, -30) << "inside the middle band nothing moves";
    EXPECT_DOUBLE_EQ(inside.y.min, -30);

    const SPlot_view east = Followed(view, {4, 0});
    EXPECT_DOUBLE_EQ(east.x.max - 4, 0.45 * 60) << "45 % of the range from the edge approached";
    EXPECT_DOUBLE_EQ(east.x.span(), 60);
    const SPlot_view south = Followed(view, {0, -10});
    EXPECT_DOUBLE_EQ(-10 - south.y.min, 0.45 * 60);
    const SPlot_view beyond = Followed(view, {500, 0});
    EXPECT_DOUBLE_EQ(beyond.x.max, 527);
}

TEST(PlotView, TheWholeTrackNeverShowsSmallerThanTheLeastSpan)
{
    SBounds bounds;
    bounds.add({5, 5});
    const SPlot_view one = Fitted(bounds, 60);
    EXPECT_DOUBLE_EQ(one.x.min, -25);
    EXPECT_DOUBLE_EQ(one.y.max, 35);
    bounds.add({-200, 400});
    const SPlot_view all = Fitted(bounds, 60);
    EXPECT_DOUBLE_EQ(all.x.min, -200);
    EXPECT_DOUBLE_EQ(all.x.max, 5);
    EXPECT_DOUBLE_EQ(all.y.min, 5);
    EXPECT_DOUBLE_EQ(all.y.max, 400);
}

TEST(PlotView, ViewsConvertBetweenMetresAndDegreesAtTheNewestPoint)
{
    CTrack track;
    track.add({45, 10, 0});
    const SPlot_view metres = ViewAround({0, 0}, 30);
    const SPlot_view degrees = Converted(metres, track, EPlot_units::metres);
    EXPECT_NEAR((degrees.x.min + degrees.x.max) / 2, 10, 1e-12);
    EXPECT_NEAR((degrees.y.min + degrees.y.max) / 2, 45, 1e-12);
    const SPlane_point scale = CLocal_frame::metres_per_degree({45, 10, 0});
    EXPECT_NEAR(degrees.y.span() * scale.y, 60, 1e-6);
    const SPlot_view back = Converted(degrees, track, EPlot_units::degrees);
    EXPECT_NEAR(back.x.min, -30, 1e-6);
    EXPECT_NEAR(back.y.max, 30, 1e-6);
}

TEST(PlotView, AxisTicksAreRoundStepsWithinTheRange)
{
    const std::vector<double> metres = AxisTicks({-30, 30}, 1, 6);
    EXPECT_EQ(metres, (std::vector<double>{-30, -20, -10, 0, 10, 20, 30}));
    const std::vector<double> small = AxisTicks({0.13, 0.91}, 1, 6);
    ASSERT_EQ(small.size(), 8u);
    EXPECT_NEAR(small.front(), 0.2, 1e-12);
    EXPECT_NEAR(small.back(), 0.9, 1e-12);
    // Degrees counted in arc-seconds: ±1" gives steps of 0.2".
    const std::vector<double> seconds = AxisTicks({10 - 1.0 / 3600, 10 + 1.0 / 3600}, 3600, 6);
    ASSERT_EQ(seconds.size(), 11u);
    EXPECT_NEAR((seconds[1] - seconds[0]) * 3600, 0.2, 1e-9);
    EXPECT_TRUE(AxisTicks({5, 5}, 1, 6).empty());
    EXPECT_TRUE(AxisTicks({0, std::nan("")}, 1, 6).empty());
}

} // namespace
