#pragma once
// Following a value a window shows over time: the windows that show values say where each comes
// from, a plot window takes it, and "Plot this value" in a value's context menu joins the two.

#include <QPoint>
#include <QString>

#include <functional>
#include <optional>

class QMenu;
class QWidget;

// A value a window shows, as a plot follows it.
struct SPlot_source {
    QString window;  // the object name of the window showing it
    QString control; // the control showing it; "Name[row,column]" for a cell of a grid
    QString caption; // what the plot calls it
    // The value in the frame just received: nothing when that frame is not of the value's
    // group, NaN when it holds no value ("N/A").
    std::function<std::optional<double>()> sample;
};

// A window whose values can be plotted.
class IPlot_sources {
public:
    // The value `control` shows, or nothing when it shows no single number.
    virtual std::optional<SPlot_source> plot_source(const QString &control) = 0;

protected:
    ~IPlot_sources() = default;
};

// The plot windows' part: follows a value in the plot window the user worked with last.
class IValue_plotter {
public:
    virtual void plot(const SPlot_source &source) = 0;

protected:
    ~IValue_plotter() = default;
};

// The plot windows' plotter while there is one (set by the first plot window, null again when it
// goes).
IValue_plotter *ValuePlotter();
void SetValuePlotter(IValue_plotter *plotter);

// Gives `control` a context menu with "Plot this value", enabled when `source` finds a value at
// the point clicked and there is a plot window to follow it. `window_entries`, when given, adds
// the entries of the context menu of the window the control sits in below it, so that they stay
// at hand over the control too.
void OfferPlotting(QWidget &control, std::function<std::optional<SPlot_source>(QPoint)> source,
                   std::function<void(QMenu &menu, QPoint global_pos)> window_entries = {});
// Follows `source` in the plot window; false when there is none.
bool PlotValue(const SPlot_source &source);
