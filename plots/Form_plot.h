#pragma once
// "Plot": values the windows show, followed against time on one time axis. The axis shows the
// last 1, 5, 15 or 60 minutes; a pause holds it where it is while the values keep being taken
// in; the wheel zooms the time axis about the pointer, a box drawn with the mouse zooms into
// it; the read-out under the plot gives each value at the pointer's time. A frame that holds
// no value ("N/A"), an infinite value or one beyond TPlot_series::kLargestDrawn is a gap in the
// line, never a zero.
//
// Each value keeps its samples in a ring of fixed size, so that a sample costs the same however
// long the plot runs; the chart is drawn from each ring's reduction to the screen's columns, a
// few times a second and only while the window is shown.
//
// The window of the table is the first plot window; "New Window" makes more, each remembering
// the values it follows, per user, under its own name.

#include "plots/plot_series.h"
#include "shell/Form_koru_view.h"
#include "shell/value_plotter.h"

#include <QColor>
#include <QElapsedTimer>
#include <QTimer>

#include <functional>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

class QChart;
class QChartView;
class QComboBox;
class QLabel;
class QLineSeries;
class QListWidget;
class QPushButton;
class QValueAxis;

class TFormPlot : public TFormKoruView, public IValue_plotter {
    Q_OBJECT
public:
    // The spans of the time axis offered, in minutes.
    static constexpr int window_minutes[] = {1, 5, 15, 60};
    // Samples a value keeps: an hour at 200 a second. A value that comes faster keeps less.
    static constexpr std::size_t samples_kept = 3600 * 200;
    // Values one window follows at most.
    static constexpr std::size_t most_values = 16;
    static constexpr int redraw_period_ms = 250;

    // The first plot window, "FormPlot".
    explicit TFormPlot(QWidget *parent = nullptr);
    ~TFormPlot() override;

    // Takes a sample of every value the frame just received holds.
    bool UpdateFromGroup(int argument) override;
    // Another computer: what was taken in came from the one before.
    void ResetDisplay(int argument) override;
    void RefreshDisplay() override;
    // Per value the samples on the time axis shown ("Samples[i]"), the pause ("Paused", "on" or
    // "off") and the time axis's span ("From", "To", in seconds).
    QMap<QString, QString> PaintedValues() const override;

    // Follows `source` in the plot window the user worked with last, and shows it.
    void plot(const SPlot_source &source) override;
    // Follows `source` here; false when it is followed already or the window is full.
    bool add_value(const SPlot_source &source);
    std::size_t value_count() const { return m_values.size(); }
    const SPlot_source &source(std::size_t index) const;
    const TPlot_series &series(std::size_t index) const;
    // The span the time axis shows, in seconds of the plot's clock.
    std::pair<double, double> shown_span() const;
    bool paused() const { return m_paused_at.has_value(); }
    // The clock samples are timed by, in seconds: a test's own instead of the steady clock.
    void set_clock(std::function<double()> clock) { m_clock = std::move(clock); }
    // The time axis from `least` to `most`, as zooming does; until the zoom is reset.
    void zoom_time(double least, double most);
    // The read-out at `time`: the time and each value's newest sample at or before it.
    QString read_out(double time) const;

    // Writes the samples of the span shown, a line per sample: the time, the value's name and
    // its value (empty for a gap). Returns what went wrong, empty when written.
    QString write_csv(const QString &path) const;
    QString write_png(const QString &path);

    // The controls' handlers, as the user works them.
    void ComboWindowChange(int index);
    void ButtonPauseClick();
    void ButtonResetZoomClick();
    void ButtonRemoveClick();
    void ButtonNewWindowClick();
    void ButtonSaveCsvClick();
    void ButtonSavePngClick();

protected:
    void changeEvent(QEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    struct SValue;
    // A further plot window of `first`, named `name`.
    TFormPlot(const QString &name, TFormPlot *first);

    void build();
    void restore();
    void store() const;
    double now() const { return m_clock(); }
    double window_seconds() const;
    void draw();
    void draw_value(SValue &value, const SPlot_span &span);
    void set_axes(double from, double to, double least, double most);
    void take_zoom_from_axes();
    void tell_failure(const QString &caption, const QString &problem);

    TFormPlot *m_first;              // this window, or the first plot window
    TFormPlot *m_target = this;      // of the first: the window "Plot this value" adds to
    std::vector<std::unique_ptr<SValue>> m_values;
    QElapsedTimer m_elapsed;
    std::function<double()> m_clock;
    std::optional<double> m_paused_at;
    // The user's zoom: time and value spans, until reset.
    struct SZoom {
        double from, to, least, most;
    };
    std::optional<SZoom> m_zoom;
    bool m_changed = false;
    bool m_drawing = false;
    QTimer m_redraw;

    QChart *m_chart = nullptr;
    QChartView *m_chart_view = nullptr;
    QValueAxis *m_time_axis = nullptr;
    QValueAxis *m_value_axis = nullptr;
    QListWidget *m_list = nullptr;
    QComboBox *m_window = nullptr;
    QPushButton *m_pause = nullptr;
    QLabel *m_cursor = nullptr;
};
