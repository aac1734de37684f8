#include "plots/plot_series.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

constexpr double kGap = std::numeric_limits<double>::quiet_NaN();

// Adds a column's least and most to the span in the order they came, then its gap if any.
struct TColumn {
    const SPlot_sample *least = nullptr;
    const SPlot_sample *most = nullptr;
    const SPlot_sample *gap = nullptr;

    void Take(const SPlot_sample &sample)
    {
        if (std::isnan(sample.value)) {
            if (!gap)
                gap = &sample;
            return;
        }
        if (!least || sample.value < least->value)
            least = &sample;
        if (!most || sample.value > most->value)
            most = &sample;
    }

    void Flush(SPlot_span &span)
    {
        if (least) {
            const SPlot_sample *first = least->time <= most->time ? least : most;
            const SPlot_sample *second = first == least ? most : least;
            span.points.push_back(*first);
            if (second != first)
                span.points.push_back(*second);
            span.least = span.has_values ? std::min(span.least, least->value) : least->value;
            span.most = span.has_values ? std::max(span.most, most->value) : most->value;
            span.has_values = true;
        }
        if (gap)
            span.points.push_back(*gap);
        *this = TColumn{};
    }
};

}  // namespace

TPlot_series::TPlot_series(std::size_t capacity) : ring_(std::max<std::size_t>(capacity, 1)) {}

void TPlot_series::Append(double time, double value)
{
    if (std::isinf(value) || std::fabs(value) > kLargestDrawn) {
        ++off_scale_;
        Store(time, kGap);
        return;
    }
    Store(time, value);
}

void TPlot_series::AppendGap(double time) { Store(time, kGap); }

void TPlot_series::Clear()
{
    oldest_ = 0;
    count_ = 0;
    off_scale_ = 0;
}

const SPlot_sample &TPlot_series::At(std::size_t i) const
{
    return ring_[(oldest_ + i) % ring_.size()];
}

void TPlot_series::Store(double time, double value)
{
    if (count_ > 0 && !(time >= At(count_ - 1).time))
        time = At(count_ - 1).time;
    if (count_ < ring_.size()) {
        ring_[(oldest_ + count_) % ring_.size()] = {time, value};
        ++count_;
        return;
    }
    ring_[oldest_] = {time, value};
    oldest_ = (oldest_ + 1) % ring_.size();
}

std::size_t TPlot_series::FirstAtOrAfter(double time) const
{
    std::size_t low = 0;
    std::size_t high = count_;
    while (low < high) {
        const std::size_t middle = low + (high - low) / 2;
        if (At(middle).time < time)
            low = middle + 1;
        else
            high = middle;
    }
    return low;
}

std::size_t TPlot_series::CountIn(double from, double to) const
{
    if (!(to >= from))
        return 0;
    return FirstAtOrAfter(std::nextafter(to, std::numeric_limits<double>::infinity())) -
           FirstAtOrAfter(from);
}

SPlot_span TPlot_series::Decimate(double from, double to, std::size_t columns) const
{
    SPlot_span span;
    if (!(to > from) || columns == 0)
        return span;
    const std::size_t first = FirstAtOrAfter(from);
    const std::size_t end = first + CountIn(from, to);
    const double width = (to - from) / static_cast<double>(columns);
    TColumn column;
    std::size_t column_index = 0;
    for (std::size_t i = first; i < end; ++i) {
        const SPlot_sample &sample = At(i);
        const auto index = std::min(columns - 1, static_cast<std::size_t>((sample.time - from) / width));
        if (index != column_index) {
            column.Flush(span);
            column_index = index;
        }
        column.Take(sample);
    }
    column.Flush(span);
    return span;
}
