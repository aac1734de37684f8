#include "map/Form_moving_map.h"

#include "display/formats.h"
#include "map/track_chart_view.h"
#include "net/socket_display.h"
#include "shell/program.h"
#include "ui_Form_moving_map.h"

#include <QCategoryAxis>
#include <QDateTime>
#include <QFontMetricsF>
#include <QLineSeries>
#include <QLinearGradient>
#include <QLocale>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <numbers>

namespace {

constexpr int seconds_decimals = 2;
// Ticks wanted on an axis with room for them; fewer where the labels would not fit side by side.
constexpr std::size_t wanted_ticks = 6;
constexpr std::size_t least_ticks = 2;
// Room left between two labels side by side, in widths of "0".
constexpr int label_gap_digits = 3;
constexpr double arc_seconds_per_degree = 3600;
// Metres on the axes: "#,##0.##".
constexpr int metre_label_decimals = 2;

const QString metres_mode = QStringLiteral("Meters");
const QString degrees_mode = QStringLiteral("Latitude-Longitude");

std::size_t index_of(EPlot_units units)
{
    return units == EPlot_units::metres ? 0 : 1;
}

// A number with group separators and at most two decimals, none when they are zeros.
QString grouped_text(double value)
{
    QString text = QLocale().toString(value, 'f', metre_label_decimals);
    const QString point = QLocale().decimalPoint();
    if (text.contains(point)) {
        while (text.endsWith(QLatin1Char('0'))) {
            text.chop(1);
        }
        if (text.endsWith(point)) {
            text.chop(point.size());
        }
    }
    if (text == QStringLiteral("-0")) {
        text = QStringLiteral("0");
    }
    return text;
}

QString number_text(double value)
{
    return QString::number(value, 'g', 12);
}

using Axis_label = std::function<QString(double)>;

// The most labels the horizontal axis has room for side by side, each whole: the
// degree-minute-second labels are long, and a label without room would be cut short.
std::size_t labels_with_room(const QCategoryAxis &axis, const SAxis_range &range,
                             const Axis_label &label, double length)
{
    const QFontMetricsF metrics(axis.labelsFont());
    const double widest = std::max(metrics.horizontalAdvance(label(range.min)),
                                   metrics.horizontalAdvance(label(range.max)));
    const double room = length / (widest + label_gap_digits * metrics.horizontalAdvance('0'));
    return std::max(static_cast<std::size_t>(std::max(room, 0.0)), least_ticks);
}

// Round ticks, as many as wanted and no more than `most` (the round steps may give more ticks
// than asked for: fewer are asked for until they are few enough).
std::vector<double> ticks_within(const SAxis_range &range, double units_per_value, std::size_t most)
{
    std::vector<double> ticks;
    for (std::size_t wanted = std::min(wanted_ticks, most); wanted >= 1; --wanted) {
        ticks = AxisTicks(range, units_per_value, wanted);
        if (ticks.size() <= most) {
            break;
        }
    }
    return ticks;
}

void label_axis(QCategoryAxis &axis, const SAxis_range &range, double units_per_value,
                const Axis_label &label, std::size_t most_labels)
{
    for (const QString &old : axis.categoriesLabels()) {
        axis.remove(old);
    }
    axis.setStartValue(range.min);
    for (const double tick : ticks_within(range, units_per_value, most_labels)) {
        const QString text = label(tick);
        if (!axis.categoriesLabels().contains(text)) {
            axis.append(text, tick);
        }
    }
    axis.setRange(range.min, range.max);
}

} // namespace

TFormMovingMap::TFormMovingMap(QWidget *parent)
    : TFormKoruView("FormMovingMap", parent),
      m_ui(std::make_unique<Ui::FormMovingMapContent>()),
      m_pace(*this, [this] { fill(); })
{
    setWindowTitle(tr("Position Plot"));
    auto *body = new QWidget(BorderBevel());
    m_ui->setupUi(body);
    content()->addWidget(body);
    Get(Program().groups, m_navigation);
    m_pan_timer.setInterval(pan_period_ms);
    build_chart();
    connect_controls();
}

TFormMovingMap::~TFormMovingMap() = default;

void TFormMovingMap::build_chart()
{
    QChart *chart = m_ui->Chart1->chart();
    chart->legend()->hide();
    QLinearGradient background(0, 0, 0, 1);
    background.setCoordinateMode(QGradient::ObjectBoundingMode);
    background.setColorAt(0, QColor(240, 240, 240));
    background.setColorAt(1, QColor(160, 160, 160));
    chart->setBackgroundBrush(background);

    m_axis_x = new QCategoryAxis(chart);
    m_axis_y = new QCategoryAxis(chart);
    for (QCategoryAxis *axis : {m_axis_x, m_axis_y}) {
        axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
    }
    chart->addAxis(m_axis_x, Qt::AlignBottom);
    chart->addAxis(m_axis_y, Qt::AlignLeft);
    const char *names[] = {"Series1", "Series2"};
    for (std::size_t i = 0; i < 2; ++i) {
        m_series[i] = new QLineSeries(chart);
        m_series[i]->setObjectName(names[i]);
        m_series[i]->setPen(QPen(Qt::red, 1));
        chart->addSeries(m_series[i]);
        m_series[i]->attachAxis(m_axis_x);
        m_series[i]->attachAxis(m_axis_y);
    }
    m_series[1]->setVisible(false);
    m_axis_x->setTitleText(tr("East-West (m)"));
    m_axis_y->setTitleText(tr("North-South (m)"));
}

void TFormMovingMap::connect_controls()
{
    Ui::FormMovingMapContent &ui = *m_ui;
    connect(ui.ButtonReset, &QPushButton::clicked, this, [this] { ButtonResetClick(); });
    connect(ui.ButtonZoomIn, &QPushButton::clicked, this, [this] { ButtonZoomInClick(); });
    connect(ui.ButtonZoomOut, &QPushButton::clicked, this, [this] { ButtonZoomOutClick(); });
    connect(ui.ButtonCenter, &QPushButton::clicked, this, [this] { ButtonCenterClick(); });
    connect(ui.ButtonMeters, &QPushButton::clicked, this, [this] { ButtonMetersClick(); });
    connect(ui.ButtonLatLon, &QPushButton::clicked, this, [this] { ButtonLatLonClick(); });
    const std::pair<QPushButton *, EPan> pans[] = {{ui.ButtonPanUp, EPan::up},
                                                   {ui.ButtonPanDown, EPan::down},
                                                   {ui.ButtonPanLeft, EPan::left},
                                                   {ui.ButtonPanRight, EPan::right}};
    for (const auto &[button, direction] : pans) {
        connect(button, &QPushButton::pressed, this,
                [this, direction = direction] { PanPressed(direction); });
        connect(button, &QPushButton::released, this, [this] { PanReleased(); });
    }
    connect(&m_pan_timer, &QTimer::timeout, this, [this] { Timer1Timer(); });
    connect(ui.CheckBoxShowAll, &QCheckBox::toggled, this, [this] { CheckBoxShowAllClick(); });
    connect(ui.CheckBoxShowText, &QCheckBox::toggled, this, [this] { CheckBoxShowTextClick(); });
    connect(ui.Chart1, &TTrackChartView::ZoomedByGesture, this,
            [this] { view_zoomed_by_gesture(); });
    connect(ui.Chart1, &TTrackChartView::UndoZoom, this, [this] { UndoZoom(); });
    connect(ui.Chart1->chart(), &QChart::plotAreaChanged, this,
            [this](const QRectF &area) { plot_area_changed(area); });
}

// --- the track ---------------------------------------------------------------------------

bool TFormMovingMap::UpdateFromGroup(int)
{
    if (!m_navigation->is_current()) {
        return false;
    }
    CGroup1 &group = *m_navigation;
    TScalar<double> &heading = group.attitude().heading();
    m_heading = group.has_value(heading) ? std::optional(heading.get() * std::numbers::pi / 180)
                                         : std::nullopt;
    TLat_lon_alt<double> &position = group.position();
    if (group.has_value(position.latitude()) && group.has_value(position.longitude()) &&
        group.has_value(position.altitude())) {
        const SGeodetic taken{position.latitude().get(), position.longitude().get(),
                              position.altitude().get()};
        take_position(taken);
        log_position(group, taken);
    }
    m_pace.request();
    return true;
}

void TFormMovingMap::take_position(const SGeodetic &position)
{
    if (!m_track.add(position)) {
        return;
    }
    m_series_changed = true;
    if (m_track.count() == 1) {
        m_start_texts[0] = FormatLatitude(position.latitude, seconds_decimals);
        m_start_texts[1] = FormatLongitude(position.longitude, seconds_decimals);
        set_view(ViewAround(m_track.last_point(m_units),
                            m_units == EPlot_units::metres ? metres_half_span : degrees_half_span));
    }
    show_current_texts();
    follow_newest();
}

void TFormMovingMap::show_current_texts()
{
    const bool shown = m_ui->CheckBoxShowText->isChecked() && !m_track.empty();
    const SGeodetic &last = m_track.last();
    m_current_texts[0] = shown ? FormatLatitude(last.latitude, seconds_decimals) : QString();
    m_current_texts[1] = shown ? FormatLongitude(last.longitude, seconds_decimals) : QString();
}

void TFormMovingMap::follow_newest()
{
    if (m_track.empty()) {
        return;
    }
    if (m_ui->CheckBoxShowAll->isChecked()) {
        set_view(Fitted(m_track.bounds(m_units), least_span()));
    } else if (m_ui->CheckBoxTrack->isChecked()) {
        set_view(Followed(m_view, m_track.last_point(m_units)));
    }
}

// The whole track is never shown smaller than the view around a first point.
double TFormMovingMap::least_span() const
{
    return 2 * (m_units == EPlot_units::metres ? metres_half_span : degrees_half_span);
}

void TFormMovingMap::set_view(const SPlot_view &view)
{
    m_view = view;
    m_view_changed = true;
}

// Keeps the position for export with the time it arrived, its heading and its speed.
void TFormMovingMap::log_position(CGroup1 &group, const SGeodetic &position)
{
    const DisplayPortCounters *counters = Program().display_counters;
    const double arrival =
        counters != nullptr && counters->arrival_us != 0
            ? static_cast<double>(counters->arrival_us) * 1e-6
            : static_cast<double>(QDateTime::currentMSecsSinceEpoch()) * 1e-3;
    TScalar<double> &heading = group.attitude().heading();
    TScalar<float> &speed = group.speed();
    constexpr double unknown = std::numeric_limits<double>::quiet_NaN();
    m_log.add({arrival, position.latitude, position.longitude, position.altitude,
               group.has_value(heading) ? heading.get() : unknown,
               group.has_value(speed) ? static_cast<double>(speed.get()) : unknown});
}

void TFormMovingMap::clear_track()
{
    m_track.clear();
    m_log.clear();
    m_series_changed = true;
}

void TFormMovingMap::ResetDisplay(int)
{
    clear_track();
    m_heading.reset();
    for (QString &text : m_start_texts) {
        text.clear();
    }
    for (QString &text : m_current_texts) {
        text.clear();
    }
    m_pace.request();
}

// --- the controls ------------------------------------------------------------------------

void TFormMovingMap::ButtonResetClick()
{
    clear_track();
    m_pace.request();
}

void TFormMovingMap::ButtonZoomInClick()
{
    set_view(ZoomedIn(m_view));
    m_pace.request();
}

void TFormMovingMap::ButtonZoomOutClick()
{
    set_view(ZoomedOut(m_view));
    m_pace.request();
}

void TFormMovingMap::ButtonCenterClick()
{
    if (!m_track.empty()) {
        set_view(Centred(m_view, m_track.last_point(m_units)));
        m_pace.request();
    }
}

void TFormMovingMap::ButtonMetersClick()
{
    switch_units(EPlot_units::metres);
}

void TFormMovingMap::ButtonLatLonClick()
{
    switch_units(EPlot_units::degrees);
}

// The view shows the same part of the earth in the other units.
void TFormMovingMap::switch_units(EPlot_units units)
{
    if (units == m_units) {
        return;
    }
    const SPlot_view view =
        m_track.empty()
            ? ViewAround({}, units == EPlot_units::metres ? metres_half_span : degrees_half_span)
            : Converted(m_view, m_track, m_units);
    m_series[index_of(m_units)]->clear();
    m_series[index_of(m_units)]->setVisible(false);
    m_units = units;
    m_series[index_of(m_units)]->setVisible(true);
    const bool metres = units == EPlot_units::metres;
    m_axis_x->setTitleText(metres ? tr("East-West (m)") : tr("Longitude"));
    m_axis_y->setTitleText(metres ? tr("North-South (m)") : tr("Latitude"));
    m_series_changed = true;
    set_view(view);
    m_pace.request();
}

void TFormMovingMap::PanPressed(EPan direction)
{
    m_pan = direction;
    Timer1Timer();
    m_pan_timer.start();
}

void TFormMovingMap::PanReleased()
{
    m_pan_timer.stop();
    m_pan = EPan::none;
}

void TFormMovingMap::Timer1Timer()
{
    set_view(Panned(m_view, m_pan));
    m_pace.request();
}

void TFormMovingMap::CheckBoxShowAllClick()
{
    follow_newest();
    m_pace.request();
}

void TFormMovingMap::CheckBoxShowTextClick()
{
    show_current_texts();
    m_pace.request();
}

void TFormMovingMap::UndoZoom()
{
    if (!m_track.empty()) {
        set_view(Fitted(m_track.bounds(m_units), least_span()));
        m_pace.request();
    }
}

void TFormMovingMap::view_zoomed_by_gesture()
{
    set_view({{m_axis_x->min(), m_axis_x->max()}, {m_axis_y->min(), m_axis_y->max()}});
    m_pace.request();
}

// --- showing -----------------------------------------------------------------------------

void TFormMovingMap::RefreshDisplay()
{
    m_pace.fill_now();
}

void TFormMovingMap::fill()
{
    fill_series();
    fill_axes();
    fill_overlay();
}

void TFormMovingMap::fill_series()
{
    if (!m_series_changed) {
        return;
    }
    m_series_changed = false;
    m_track.drawn(m_units, m_drawn);
    m_points.clear();
    m_points.reserve(static_cast<qsizetype>(m_drawn.size()));
    for (const SPlane_point &point : m_drawn) {
        m_points.append(QPointF(point.x, point.y));
    }
    m_series[index_of(m_units)]->replace(m_points);
}

void TFormMovingMap::fill_axes()
{
    if (!m_view_changed) {
        return;
    }
    m_view_changed = false;
    const bool metres = m_units == EPlot_units::metres;
    const Axis_label longitude_label = [](double longitude) {
        return FormatLongitude(LongitudeDifference(0, longitude), seconds_decimals);
    };
    const Axis_label latitude_label = [](double latitude) {
        return FormatLatitude(latitude, seconds_decimals);
    };
    const Axis_label &x_label = metres ? grouped_text : longitude_label;
    const Axis_label &y_label = metres ? grouped_text : latitude_label;
    const double units_per_value = metres ? 1 : arc_seconds_per_degree;
    m_plot_width = m_ui->Chart1->chart()->plotArea().width();
    label_axis(*m_axis_x, m_view.x, units_per_value, x_label,
               labels_with_room(*m_axis_x, m_view.x, x_label, m_plot_width));
    label_axis(*m_axis_y, m_view.y, units_per_value, y_label, 3 * wanted_ticks);
}

// A plot grown or shrunk by more than a label's width may hold another number of labels.
void TFormMovingMap::plot_area_changed(const QRectF &area)
{
    constexpr double unchanged_width = 8;
    if (std::abs(area.width() - m_plot_width) > unchanged_width) {
        m_view_changed = true;
        m_pace.request();
    }
}

void TFormMovingMap::fill_overlay()
{
    TTrackChartView::SOverlay overlay;
    overlay.start_latitude = m_start_texts[0];
    overlay.start_longitude = m_start_texts[1];
    overlay.current_latitude = m_current_texts[0];
    overlay.current_longitude = m_current_texts[1];
    overlay.series = m_series[index_of(m_units)];
    if (!m_track.empty()) {
        const SPlane_point newest = m_track.last_point(m_units);
        overlay.newest = QPointF(newest.x, newest.y);
    }
    overlay.heading = m_heading;
    m_ui->Chart1->SetOverlay(std::move(overlay));
}

QMap<QString, QString> TFormMovingMap::PaintedValues() const
{
    return {
        {QStringLiteral("Mode"), m_units == EPlot_units::metres ? metres_mode : degrees_mode},
        {QStringLiteral("StartLatitude"), m_start_texts[0]},
        {QStringLiteral("StartLongitude"), m_start_texts[1]},
        {QStringLiteral("CurrentLatitude"), m_current_texts[0]},
        {QStringLiteral("CurrentLongitude"), m_current_texts[1]},
        {QStringLiteral("HorizontalTitle"), m_axis_x->titleText()},
        {QStringLiteral("VerticalTitle"), m_axis_y->titleText()},
        {QStringLiteral("HorizontalMinimum"), number_text(m_view.x.min)},
        {QStringLiteral("HorizontalMaximum"), number_text(m_view.x.max)},
        {QStringLiteral("VerticalMinimum"), number_text(m_view.y.min)},
        {QStringLiteral("VerticalMaximum"), number_text(m_view.y.max)},
        {QStringLiteral("Points"), QString::number(m_track.count())},
    };
}
