// Cost of plotting over a long run: Group 1 values at 200 Hz appended to 1, 4 and 16 series,
// and the plot's time window reduced for drawing every simulated second. Printed per series
// count: samples appended per second, and the mean cost of a drawing in each quarter of the
// run, which stays flat once the window is full however long the run goes on.
//
// Usage: plot_bench [RUN_SECONDS] [WINDOW_MINUTES]   (default 7200 and 5)

#include "bench/figures.h"
#include "plots/plot_series.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

namespace {

constexpr int sample_rate = 200;
constexpr std::size_t columns = 1000;

// A value that moves like a heading with a noisy wander, so that no column is flat.
double sample_value(long i, int series)
{
    return 180.0 + 90.0 * std::sin(i * 1e-4 + series) + std::fmod(i * 7.3, 1.7);
}

void run(int series_count, double run_seconds, double window_seconds)
{
    const auto capacity = static_cast<std::size_t>(window_seconds * sample_rate) + 1;
    std::vector<TPlot_series> series(series_count, TPlot_series(capacity));
    const long samples = static_cast<long>(run_seconds * sample_rate);
    double append_seconds = 0;
    std::vector<double> quarter_draw_seconds(4, 0);
    std::vector<long> quarter_draws(4, 0);
    std::size_t drawn_points = 0;
    for (long second = 0; second * sample_rate < samples; ++second) {
        const double appending = NowSeconds();
        for (long i = second * sample_rate; i < (second + 1) * sample_rate && i < samples; ++i)
            for (int s = 0; s < series_count; ++s)
                series[s].Append(static_cast<double>(i) / sample_rate, sample_value(i, s));
        append_seconds += NowSeconds() - appending;

        const double now = static_cast<double>((second + 1) * sample_rate) / sample_rate;
        const double drawing = NowSeconds();
        for (const TPlot_series &one : series)
            drawn_points += one.Decimate(now - window_seconds, now, columns).points.size();
        const auto quarter = std::min<std::size_t>(3, static_cast<std::size_t>(4 * now / run_seconds));
        quarter_draw_seconds[quarter] += NowSeconds() - drawing;
        ++quarter_draws[quarter];
    }
    std::printf("%2d series: %.3g samples/s appended; drawing the %.0f-minute window "
                "(ms, by quarter of the run):",
                series_count, samples * series_count / append_seconds, window_seconds / 60);
    for (int q = 0; q < 4; ++q)
        std::printf(" %.3f", quarter_draws[q] ? 1e3 * quarter_draw_seconds[q] / quarter_draws[q] : 0);
    std::printf("  (%zu points drawn)\n", drawn_points);
}

}  // namespace

int main(int argc, char **argv)
{
    const double run_seconds = argc > 1 ? std::atof(argv[1]) : 7200;
    const double window_minutes = argc > 2 ? std::atof(argv[2]) : 5;
    if (!(run_seconds > 0) || !(window_minutes > 0)) {
        std::fprintf(stderr, "usage: plot_bench [RUN_SECONDS] [WINDOW_MINUTES]\n");
        return 2;
    }
    std::printf("Group 1 at %d Hz for %.0f s, drawn every second into %zu columns\n", sample_rate,
                run_seconds, columns);
    for (const int count : {1, 4, 16})
        run(count, run_seconds, window_minutes * 60);
    return 0;
}
