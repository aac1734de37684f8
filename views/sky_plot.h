#pragma once
// The sky plot of the GNSS data view: the tracked satellites by azimuth and elevation on a polar
// chart (the centre straight up, the rim at the horizon), one series per satellite system, a
// title naming the receiver and a text telling how many satellites there are.

#include <QChartView>
#include <QMap>
#include <QString>

#include <array>
#include <optional>

class QGraphicsSimpleTextItem;
class QPolarChart;
class QScatterSeries;

enum class ESatellite_system { gps, glonass, sbas };

// The series a satellite of PRN `prn` is drawn in; none for a PRN outside the three ranges.
std::optional<ESatellite_system> SystemOfPrn(unsigned prn);

class CSky_plot : public QChartView {
    Q_OBJECT
public:
    explicit CSky_plot(QWidget *parent = nullptr);

    void set_title(const QString &title);
    // Empties the three series and shows them, turned by `rotation` degrees (the heading, for a
    // plot in the aircraft frame), for `count` satellites.
    void start(int rotation, int count);
    // Adds a satellite at its azimuth and elevation (degrees).
    void add(unsigned prn, double azimuth, double elevation);
    // Nothing to plot: the series hidden, the text "No Data".
    void show_no_data();

    // What the plot shows, by name: title, text, rotation and the points of each series.
    QMap<QString, QString> painted_values() const;

private:
    QPolarChart *m_chart;
    std::array<QScatterSeries *, 3> m_series{};
    QGraphicsSimpleTextItem *m_text;
    int m_rotation = 0;
};
