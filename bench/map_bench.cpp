// The position plot under a long flight: Group 1 at 200 Hz into the map for an hour of flight
// (survey lines at 60 m/s joined by turns), first with "Track Current Position" on, then again
// with "Show Entire Plot" on. Every group is handed to the plot as the display receiver hands it
// on; the plot is redrawn (its chart filled and painted) after every REDRAW_EVERY-th group, as
// the screen's pace of 30 a second would at 200 Hz. Per tenth of the track: the mean and worst
// time to take a group in, and the mean and worst time of a redraw. Flat tenths mean the cost of
// an update does not grow with the track. Offscreen unless QT_QPA_PLATFORM names another
// platform.
//
// Usage: map_bench [MINUTES [REDRAW_EVERY]]   (defaults 60 and 7)

#include "bench/bench_desktop.h"
#include "bench/figures.h"
#include "map/Form_moving_map.h"
#include "shell/program.h"

#include "navigation_frames.h"

#include <QApplication>
#include <QChartView>
#include <QCheckBox>
#include <QLineSeries>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr double rate = 200;          // Group 1 a second
constexpr double speed = 60;          // metres a second along a line
constexpr double line_seconds = 120;  // one survey line
constexpr double line_spacing = 300;  // metres between lines
constexpr double start_latitude = 60.3172;
constexpr double start_longitude = 24.9633;
constexpr double metres_per_degree = 111320;
constexpr int tenths = 10;

// Where the aircraft is `t` seconds into the flight: back and forth along east-west lines, each
// a line spacing north of the one before.
SGeodetic position_at(double t)
{
    const double line = std::floor(t / line_seconds);
    const double along = (t - line * line_seconds) * speed;
    const bool eastward = static_cast<long>(line) % 2 == 0;
    const double east = eastward ? along : line_seconds * speed - along;
    const double north = line * line_spacing;
    const double scale = metres_per_degree * std::cos(start_latitude * 3.14159265358979 / 180);
    return {start_latitude + north / metres_per_degree, start_longitude + east / scale, 120};
}

struct STenth {
    double take_sum = 0;
    double take_worst = 0;
    long takes = 0;
    double redraw_sum = 0;
    double redraw_worst = 0;
    long redraws = 0;
};

class CFlight {
public:
    CFlight(TFormMovingMap &map, QChartView &chart) : m_map(map), m_chart(chart) {}

    std::vector<STenth> fly(long groups, long redraw_every)
    {
        std::vector<STenth> figures(tenths);
        for (long i = 0; i < groups; ++i) {
            const double t = static_cast<double>(i) / rate;
            const SGeodetic where = position_at(t);
            const frame_bytes::Bytes frame = frame_bytes::position_group(
                where.latitude, where.longitude, where.altitude, (i / 24000) % 2 == 0 ? 90 : 270);
            STenth &tenth = figures[static_cast<std::size_t>(i * tenths / groups)];

            const double start = NowSeconds();
            CByte_cursor cursor(frame.data(), frame.size());
            Program().groups.read(cursor);
            Program().windows.update_from_group();
            const double taken = NowSeconds() - start;
            tenth.take_sum += taken;
            tenth.take_worst = std::max(tenth.take_worst, taken);
            ++tenth.takes;

            if (i % redraw_every == 0) {
                const double before = NowSeconds();
                m_map.RefreshDisplay();
                m_chart.grab();
                const double drawn = NowSeconds() - before;
                tenth.redraw_sum += drawn;
                tenth.redraw_worst = std::max(tenth.redraw_worst, drawn);
                ++tenth.redraws;
            }
        }
        return figures;
    }

private:
    TFormMovingMap &m_map;
    QChartView &m_chart;
};

void print(const char *title, const std::vector<STenth> &figures, const TFormMovingMap &map)
{
    std::printf("%s (%zu points taken, %lld drawn at the end)\n", title, map.Track().count(),
                static_cast<long long>(map.Series1()->count()));
    std::printf("%7s | %12s %12s | %12s %12s\n", "track", "take mean", "take worst",
                "redraw mean", "redraw worst");
    for (int i = 0; i < tenths; ++i) {
        const STenth &tenth = figures[static_cast<std::size_t>(i)];
        std::printf("%3d-%3d%% | %9.2f us %9.1f us | %9.2f ms %9.2f ms\n", i * 10, i * 10 + 10,
                    tenth.takes > 0 ? 1e6 * tenth.take_sum / static_cast<double>(tenth.takes) : 0,
                    1e6 * tenth.take_worst,
                    tenth.redraws > 0 ? 1e3 * tenth.redraw_sum / static_cast<double>(tenth.redraws)
                                      : 0,
                    1e3 * tenth.redraw_worst);
    }
    std::fflush(stdout);
}

} // namespace

int main(int argc, char **argv)
{
    UseOffscreenPlatform();
    QApplication application(argc, argv);
    const double minutes = argc > 1 ? std::atof(argv[1]) : 60.0;
    const long redraw_every = argc > 2 ? std::max(1L, std::atol(argv[2])) : 7L;
    const auto groups = static_cast<long>(minutes * 60 * rate);

    CBench_desktop desktop;
    CProgram program;
    TFormMovingMap map;
    map.resize(900, 640);
    ShowView(map);
    QApplication::processEvents();
    auto &chart = *map.findChild<QChartView *>("Chart1");
    CFlight flight(map, chart);
    std::printf("%g minutes of Group 1 at %g Hz (%ld groups), a redraw every %ld groups\n",
                minutes, rate, groups, redraw_every);

    map.findChild<QCheckBox *>("CheckBoxTrack")->setChecked(true);
    print("Track Current Position", flight.fly(groups, redraw_every), map);

    map.ButtonResetClick();
    map.findChild<QCheckBox *>("CheckBoxTrack")->setChecked(false);
    map.findChild<QCheckBox *>("CheckBoxShowAll")->setChecked(true);
    print("Show Entire Plot", flight.fly(groups, redraw_every), map);
    for (const QString &text : desktop.box_texts()) {
        std::printf("message box: %s\n", qPrintable(text));
    }
    return 0;
}
