// The plotted value's ring: what it holds after long runs, gaps for missing and wild values,
// and the reduction of a span for drawing.

#include "plots/plot_series.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

// Ten thousand samples at 2 Hz (times exact in binary) of a value equal to its sample number.
TPlot_series TenThousandSamples(std::size_t capacity)
{
    TPlot_series series(capacity);
    for (int i = 0; i < 10000; ++i)
        series.Append(i * 0.5, i);
    return series;
}

TEST(PlotSeries, RingKeepsTheNewestSamplesInOrder)
{
    const TPlot_series series = TenThousandSamples(600);
    ASSERT_EQ(series.Count(), 600u);
    EXPECT_EQ(series.At(0).value, 9400);
    EXPECT_EQ(series.At(599).value, 9999);
    for (std::size_t i = 1; i < series.Count(); ++i)
        EXPECT_LT(series.At(i - 1).time, series.At(i).time);
}

TEST(PlotSeries, WindowHoldsItsShareOfTheSamples)
{
    const TPlot_series series = TenThousandSamples(20000);
    // The last minute of a run at 2 Hz: 120 samples, and the one at its start.
    EXPECT_EQ(series.CountIn(4999.5 - 60.0, 4999.5), 121u);
    EXPECT_EQ(series.CountIn(6000, 7000), 0u);
    EXPECT_EQ(series.CountIn(5, 4), 0u);
}

TEST(PlotSeries, MissingAndWildValuesBecomeGapsNotZeros)
{
    TPlot_series series(16);
    series.Append(0, 1.5);
    series.AppendGap(1);
    series.Append(2, std::numeric_limits<double>::infinity());
    series.Append(3, 2.5 + 1e20);
    series.Append(4, -std::numeric_limits<double>::infinity());
    series.Append(5, 2.5);
    ASSERT_EQ(series.Count(), 6u);
    EXPECT_EQ(series.OffScaleCount(), 3u);
    for (std::size_t i = 1; i <= 4; ++i)
        EXPECT_TRUE(std::isnan(series.At(i).value)) << i;

    const SPlot_span span = series.Decimate(0, 6, 6);
    ASSERT_TRUE(span.has_values);
    EXPECT_EQ(span.least, 1.5);
    EXPECT_EQ(span.most, 2.5);
    // The line breaks after the first value and starts again at the last.
    ASSERT_GE(span.points.size(), 3u);
    EXPECT_EQ(span.points.front().value, 1.5);
    EXPECT_TRUE(std::isnan(span.points[1].value));
    EXPECT_EQ(span.points.back().value, 2.5);
}

TEST(PlotSeries, TimeGoingBackIsHeldAtTheLastTime)
{
    TPlot_series series(4);
    series.Append(10, 1);
    series.Append(5, 2);
    EXPECT_EQ(series.At(1).time, 10);
    EXPECT_EQ(series.CountIn(10, 10), 2u);
}

TEST(PlotSeries, DecimationKeepsEachColumnsExtremesInOrder)
{
    TPlot_series series(1000);
    // A spike down then up inside every 10-sample column.
    for (int i = 0; i < 1000; ++i)
        series.Append(i, i % 10 == 3 ? -5.0 : (i % 10 == 7 ? 9.0 : 0.0));
    const SPlot_span span = series.Decimate(0, 1000, 100);
    ASSERT_EQ(span.points.size(), 200u);
    for (std::size_t c = 0; c < 100; ++c) {
        EXPECT_EQ(span.points[2 * c].value, -5.0) << c;
        EXPECT_EQ(span.points[2 * c + 1].value, 9.0) << c;
        EXPECT_LT(span.points[2 * c].time, span.points[2 * c + 1].time);
    }
    EXPECT_EQ(span.least, -5.0);
    EXPECT_EQ(span.most, 9.0);
}

TEST(PlotSeries, DecimationOfEmptyOrDegenerateSpans)
{
    TPlot_series series(8);
    EXPECT_TRUE(series.Decimate(0, 10, 100).points.empty());
    series.Append(1, 4);
    EXPECT_TRUE(series.Decimate(5, 5, 100).points.empty());
    EXPECT_TRUE(series.Decimate(0, 10, 0).points.empty());
    const SPlot_span one = series.Decimate(0, 10, 100);
    ASSERT_EQ(one.points.size(), 1u);
    EXPECT_EQ(one.least, 4);
    EXPECT_EQ(one.most, 4);
    series.Clear();
    EXPECT_EQ(series.Count(), 0u);
    EXPECT_FALSE(series.Decimate(0, 10, 100).has_values);
}

}  // namespace
