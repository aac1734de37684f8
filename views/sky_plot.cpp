#include "views/sky_plot.h"

#include <QGraphicsSimpleTextItem>
#include <QPolarChart>
#include <QScatterSeries>
#include <QValueAxis>

#include <algorithm>
#include <cmath>

namespace {

constexpr double full_circle = 360.0;
constexpr double horizon = 90.0; // the rim: elevation 0

struct SPrn_range {
    unsigned first;
    unsigned last;
};
constexpr std::array<SPrn_range, 3> prn_ranges{{{1, 37}, {38, 75}, {120, 138}}};

} // namespace

std::optional<ESatellite_system> SystemOfPrn(unsigned prn)
{
    for (std::size_t i = 0; i < prn_ranges.size(); ++i) {
        if (prn >= prn_ranges[i].first && prn <= prn_ranges[i].last) {
            return static_cast<ESatellite_system>(i);
        }
    }
    return std::nullopt;
}

CSky_plot::CSky_plot(QWidget *parent)
    : QChartView(parent), m_chart(new QPolarChart), m_text(new QGraphicsSimpleTextItem(m_chart))
{
    setObjectName("Chart1");
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    auto *angular = new QValueAxis;
    angular->setRange(0, full_circle);
    angular->setTickCount(9);
    angular->setLabelFormat("%d");
    m_chart->addAxis(angular, QPolarChart::PolarOrientationAngular);
    auto *radial = new QValueAxis;
    radial->setRange(0, horizon);
    radial->setTickCount(4);
    radial->setLabelsVisible(false);
    m_chart->addAxis(radial, QPolarChart::PolarOrientationRadial);
    const std::array<QString, 3> names{tr("GPS"), tr("GLONASS"), tr("SBAS")};
    const std::array<QColor, 3> colours{Qt::blue, Qt::red, Qt::darkGreen};
    for (std::size_t i = 0; i < m_series.size(); ++i) {
        m_series[i] = new QScatterSeries;
        m_series[i]->setName(names[i]);
        m_series[i]->setColor(colours[i]);
        m_series[i]->setMarkerSize(9);
        m_chart->addSeries(m_series[i]);
        m_series[i]->attachAxis(angular);
        m_series[i]->attachAxis(radial);
    }
    m_text->setPos(8, 8);
    setChart(m_chart);
    setRenderHint(QPainter::Antialiasing);
    setMinimumSize(260, 260);
    show_no_data();
}

void CSky_plot::set_title(const QString &title)
{
    m_chart->setTitle(title);
}

void CSky_plot::start(int rotation, int count)
{
    m_rotation = rotation;
    for (QScatterSeries *series : m_series) {
        series->clear();
        series->setVisible(true);
    }
    m_text->setText(tr("%1 Satellites").arg(count));
}

void CSky_plot::add(unsigned prn, double azimuth, double elevation)
{
    const std::optional<ESatellite_system> system = SystemOfPrn(prn);
    if (!system) {
        return;
    }
    const double angle = std::fmod(std::fmod(azimuth - m_rotation, full_circle) + full_circle,
                                   full_circle);
    const double radius = std::clamp(horizon - elevation, 0.0, horizon);
    m_series[static_cast<std::size_t>(*system)]->append(angle, radius);
}

void CSky_plot::show_no_data()
{
    for (QScatterSeries *series : m_series) {
        series->clear();
        series->setVisible(false);
    }
    m_text->setText(tr("No Data"));
}

QMap<QString, QString> CSky_plot::painted_values() const
{
    QMap<QString, QString> values{
        {QStringLiteral("SkyPlotTitle"), m_chart->title()},
        {QStringLiteral("SkyPlotText"), m_text->text()},
        {QStringLiteral("SkyPlotRotation"), QString::number(m_rotation)},
    };
    const std::array<QString, 3> keys{QStringLiteral("SkyPlotGps"), QStringLiteral("SkyPlotGlonass"),
                                      QStringLiteral("SkyPlotSbas")};
    for (std::size_t i = 0; i < m_series.size(); ++i) {
        const QScatterSeries &series = *m_series[i];
        QStringList points;
        for (const QPointF &point : series.points()) {
            points.append(QStringLiteral("%1/%2").arg(point.x(), 0, 'f', 1).arg(point.y(), 0, 'f', 1));
        }
        values.insert(keys[i], QString::number(series.isVisible() ? series.count() : 0));
        values.insert(keys[i] + QStringLiteral("Points"), points.join(' '));
    }
    return values;
}
