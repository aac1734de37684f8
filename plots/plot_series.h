#pragma once
// One plotted value's history: a ring of (time, value) samples of fixed capacity, so that the
// cost of a sample stays the same however long the plot runs, and the reduction of a time span
// to at most two points per screen column for drawing.

#include <cstddef>
#include <vector>

struct SPlot_sample {
    double time = 0;   // seconds on the plot's clock
    double value = 0;  // NaN for a gap ("N/A", infinite or off the scale)
};

// What a drawn span holds: its points (a NaN value breaks the line there) and the range of the
// finite values in it, for the value axis.
struct SPlot_span {
    std::vector<SPlot_sample> points;
    double least = 0;
    double most = 0;
    bool has_values = false;
};

class TPlot_series {
public:
    // Values of a greater magnitude are drawn as gaps: a jump by 1e20 would otherwise squeeze
    // every real value of the axis into one line.
    static constexpr double kLargestDrawn = 1e15;

    explicit TPlot_series(std::size_t capacity);

    // Appends a sample; times must not go back (an earlier time is taken as the last one).
    // Infinite values and values beyond kLargestDrawn are kept as gaps and counted.
    void Append(double time, double value);
    // Appends a gap, for a sample the frame does not hold.
    void AppendGap(double time);
    void Clear();

    std::size_t Count() const { return count_; }
    std::size_t OffScaleCount() const { return off_scale_; }
    // The i-th sample held, oldest first; i < Count().
    const SPlot_sample &At(std::size_t i) const;
    // How many samples held lie in [from, to].
    std::size_t CountIn(double from, double to) const;

    // The samples of [from, to] reduced to at most two points (least and most, in their order)
    // per column of `columns` equal columns; a column holding a gap keeps the gap. Cost is in
    // the samples of the span, never in those appended before it.
    SPlot_span Decimate(double from, double to, std::size_t columns) const;

private:
    std::size_t FirstAtOrAfter(double time) const;
    void Store(double time, double value);

    std::vector<SPlot_sample> ring_;
    std::size_t oldest_ = 0;
    std::size_t count_ = 0;
    std::size_t off_scale_ = 0;
};
