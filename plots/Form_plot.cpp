#include "plots/Form_plot.h"

#include "platform/settings_store.h"
#include "platform/user_feedback.h"
#include "shell/program.h"

#include <QApplication>
#include <QChart>
#include <QChartView>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QListWidget>
#include <QPushButton>
#include <QSaveFile>
#include <QScopedValueRollback>
#include <QValueAxis>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The per-user values of a plot window.
const QString values_key = QStringLiteral("Values");
const QString window_key = QStringLiteral("TimeWindow");
const QString first_name = QStringLiteral("FormPlot");

constexpr int default_window = 1; // 5 minutes
// A wheel step zooms the time axis by this much.
constexpr double wheel_zoom = 0.8;

// The key of a value in the store: the window and the control showing it.
QString stored_name(const SPlot_source &source)
{
    return source.window + '/' + source.control;
}

QColor colour_of(std::size_t index)
{
    static const QColor colours[] = {Qt::blue,        Qt::red,       Qt::darkGreen,
                                     Qt::magenta,     Qt::darkCyan,  QColor(255, 140, 0),
                                     Qt::darkYellow,  Qt::black};
    return colours[index % std::size(colours)];
}

QString number_text(double value)
{
    return std::isnan(value) ? QString() : QString::number(value, 'g', 15);
}

// A CSV field: quoted when it holds a separator, a quote or a line break.
QString csv_field(const QString &text)
{
    if (!text.contains(',') && !text.contains('"') && !text.contains('\n')) {
        return text;
    }
    return '"' + QString(text).replace('"', QStringLiteral("\"\"")) + '"';
}

// The chart of a plot window: the wheel zooms the time axis about the pointer, a box drawn with
// the mouse zooms into it, and the pointer's time goes to the read-out.
class CPlot_chart_view : public QChartView {
public:
    CPlot_chart_view(QChart *chart, std::function<void(double factor, double about)> wheel,
                     std::function<void(double time)> moved)
        : QChartView(chart), m_wheel(std::move(wheel)), m_moved(std::move(moved))
    {
        setRubberBand(QChartView::RectangleRubberBand);
        setMouseTracking(true);
    }

protected:
    void wheelEvent(QWheelEvent *event) override
    {
        if (event->angleDelta().y() != 0) {
            const double about = chart()->mapToValue(event->position()).x();
            m_wheel(event->angleDelta().y() > 0 ? wheel_zoom : 1 / wheel_zoom, about);
        }
        event->accept();
    }
    void mouseMoveEvent(QMouseEvent *event) override
    {
        QChartView::mouseMoveEvent(event);
        m_moved(chart()->mapToValue(event->position()).x());
    }

private:
    std::function<void(double, double)> m_wheel;
    std::function<void(double)> m_moved;
};

} // namespace

struct TFormPlot::SValue {
    SPlot_source source;
    TPlot_series series{samples_kept};
    QColor colour;
    // The line's pieces between gaps; kept for the next drawing, emptied when not needed.
    std::vector<QLineSeries *> pieces;
};

TFormPlot::TFormPlot(QWidget *parent) : TFormKoruView(first_name, parent), m_first(this)
{
    build();
    restore();
    if (ValuePlotter() == nullptr) {
        SetValuePlotter(this);
    }
}

TFormPlot::TFormPlot(const QString &name, TFormPlot *first)
    : TFormKoruView(name, first), m_first(first)
{
    build();
    restore();
}

TFormPlot::~TFormPlot()
{
    if (ValuePlotter() == this) {
        SetValuePlotter(nullptr);
    }
}

void TFormPlot::build()
{
    setWindowTitle(tr("Plot"));
    m_elapsed.start();
    m_clock = [this] { return static_cast<double>(m_elapsed.nsecsElapsed()) * 1e-9; };

    m_chart = new QChart;
    m_chart->legend()->setAlignment(Qt::AlignBottom);
    m_time_axis = new QValueAxis(m_chart);
    m_time_axis->setTitleText(tr("Time (s)"));
    m_value_axis = new QValueAxis(m_chart);
    m_chart->addAxis(m_time_axis, Qt::AlignBottom);
    m_chart->addAxis(m_value_axis, Qt::AlignLeft);
    connect(m_time_axis, &QValueAxis::rangeChanged, this, [this] { take_zoom_from_axes(); });
    connect(m_value_axis, &QValueAxis::rangeChanged, this, [this] { take_zoom_from_axes(); });
    m_chart_view = new CPlot_chart_view(
        m_chart,
        [this](double factor, double about) {
            const auto [from, to] = shown_span();
            zoom_time(about - (about - from) * factor, about + (to - about) * factor);
        },
        [this](double time) { m_cursor->setText(read_out(time)); });
    m_chart_view->setObjectName(QStringLiteral("Chart1"));
    m_chart_view->setMinimumSize(480, 260);
    content()->addWidget(m_chart_view, 1);

    m_cursor = new QLabel;
    m_cursor->setObjectName(QStringLiteral("LabelCursor"));
    content()->addWidget(m_cursor);

    auto *controls = new QHBoxLayout;
    m_list = new QListWidget;
    m_list->setObjectName(QStringLiteral("ValueList"));
    m_list->setMaximumHeight(90);
    controls->addWidget(m_list, 1);
    auto *buttons = new QVBoxLayout;
    m_window = new QComboBox;
    m_window->setObjectName(QStringLiteral("ComboWindow"));
    for (const int minutes : window_minutes) {
        m_window->addItem(tr("%1 min").arg(minutes));
    }
    buttons->addWidget(m_window);
    auto make_button = [this](const char *name, const QString &caption,
                              void (TFormPlot::*click)()) {
        auto *button = new QPushButton(caption);
        button->setObjectName(QString::fromLatin1(name));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this, click);
        return button;
    };
    m_pause = make_button("ButtonPause", tr("Pause"), &TFormPlot::ButtonPauseClick);
    buttons->addWidget(m_pause);
    buttons->addWidget(
        make_button("ButtonResetZoom", tr("Reset Zoom"), &TFormPlot::ButtonResetZoomClick));
    buttons->addWidget(make_button("ButtonRemove", tr("Remove"), &TFormPlot::ButtonRemoveClick));
    controls->addLayout(buttons);
    content()->addLayout(controls);

    button_row()->insertWidget(
        0, make_button("ButtonSavePng", tr("Save as PNG..."), &TFormPlot::ButtonSavePngClick));
    button_row()->insertWidget(
        0, make_button("ButtonSaveCsv", tr("Save as CSV..."), &TFormPlot::ButtonSaveCsvClick));
    button_row()->insertWidget(
        0, make_button("ButtonNewWindow", tr("New Window"), &TFormPlot::ButtonNewWindowClick));

    m_redraw.setInterval(redraw_period_ms);
    connect(&m_redraw, &QTimer::timeout, this, [this] {
        if (m_changed && !paused()) {
            draw();
        }
    });
}

// --- the values followed ----------------------------------------------------------------------

namespace {

// A window by its object name: one of the window table's (made now if it is made on first use),
// or the main form.
QWidget *window_named(const QString &name)
{
    if (IWindow_directory *directory = Program().window_directory) {
        if (QWidget *window = directory->window(name)) {
            return window;
        }
    }
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->objectName() == name) {
            return window;
        }
    }
    return nullptr;
}

} // namespace

// The values kept for this window are found again in the windows that show them.
void TFormPlot::restore()
{
    const CWindow_settings settings(objectName());
    const int window = settings.value(window_key, default_window).toInt();
    m_window->setCurrentIndex(window >= 0 && window < m_window->count() ? window : default_window);
    connect(m_window, &QComboBox::currentIndexChanged, this, &TFormPlot::ComboWindowChange);
    for (const QString &stored : settings.value(values_key).toStringList()) {
        auto *sources = dynamic_cast<IPlot_sources *>(window_named(stored.section('/', 0, 0)));
        if (sources == nullptr) {
            continue;
        }
        if (const std::optional<SPlot_source> found =
                sources->plot_source(stored.section('/', 1))) {
            add_value(*found);
        }
    }
}

void TFormPlot::store() const
{
    QStringList names;
    for (const auto &value : m_values) {
        names.append(stored_name(value->source));
    }
    CWindow_settings settings(objectName());
    settings.set_value(values_key, names);
    settings.set_value(window_key, m_window->currentIndex());
}

void TFormPlot::plot(const SPlot_source &source)
{
    TFormPlot &target = *m_first->m_target;
    if (!target.add_value(source) && target.m_values.size() >= most_values) {
        Beep();
    }
    ShowView(target);
}

bool TFormPlot::add_value(const SPlot_source &source)
{
    if (m_values.size() >= most_values ||
        std::any_of(m_values.begin(), m_values.end(), [&source](const auto &value) {
            return stored_name(value->source) == stored_name(source);
        })) {
        return false;
    }
    auto value = std::make_unique<SValue>();
    value->source = source;
    value->colour = colour_of(m_values.size());
    m_values.push_back(std::move(value));
    m_list->addItem(source.caption);
    store();
    m_changed = true;
    return true;
}

const SPlot_source &TFormPlot::source(std::size_t index) const
{
    return m_values[index]->source;
}

const TPlot_series &TFormPlot::series(std::size_t index) const
{
    return m_values[index]->series;
}

void TFormPlot::ButtonRemoveClick()
{
    const int row = m_list->currentRow();
    if (row < 0 || row >= static_cast<int>(m_values.size())) {
        return;
    }
    for (QLineSeries *piece : m_values[static_cast<std::size_t>(row)]->pieces) {
        m_chart->removeSeries(piece);
        delete piece;
    }
    m_values.erase(m_values.begin() + row);
    delete m_list->takeItem(row);
    store();
    draw();
}

void TFormPlot::ButtonNewWindowClick()
{
    int number = 2;
    while (m_first->findChild<TFormPlot *>(first_name + QString::number(number)) != nullptr) {
        ++number;
    }
    auto *made = new TFormPlot(first_name + QString::number(number), m_first);
    m_first->m_target = made;
    ShowView(*made);
}

// The window the user works in is the one "Plot this value" adds to.
void TFormPlot::changeEvent(QEvent *event)
{
    TFormKoruView::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        m_first->m_target = this;
    }
}

// --- taking samples ---------------------------------------------------------------------------

bool TFormPlot::UpdateFromGroup(int)
{
    std::optional<double> time;
    for (const auto &value : m_values) {
        const std::optional<double> sample = value->source.sample();
        if (!sample) {
            continue;
        }
        if (!time) {
            time = now();
        }
        if (std::isnan(*sample)) {
            value->series.AppendGap(*time);
        } else {
            value->series.Append(*time, *sample);
        }
    }
    m_changed = m_changed || time.has_value();
    return time.has_value();
}

void TFormPlot::ResetDisplay(int)
{
    for (const auto &value : m_values) {
        value->series.Clear();
    }
    m_changed = true;
    draw();
}

// --- the time axis ----------------------------------------------------------------------------

double TFormPlot::window_seconds() const
{
    return 60.0 * window_minutes[std::clamp(m_window->currentIndex(), 0,
                                            static_cast<int>(std::size(window_minutes)) - 1)];
}

std::pair<double, double> TFormPlot::shown_span() const
{
    if (m_zoom) {
        return {m_zoom->from, m_zoom->to};
    }
    const double end = m_paused_at.value_or(now());
    return {end - window_seconds(), end};
}

void TFormPlot::ComboWindowChange(int)
{
    store();
    draw();
}

void TFormPlot::ButtonPauseClick()
{
    if (m_paused_at) {
        m_paused_at.reset();
        m_pause->setText(tr("Pause"));
    } else {
        m_paused_at = now();
        m_pause->setText(tr("Resume"));
    }
    draw();
}

void TFormPlot::zoom_time(double least, double most)
{
    if (!(most > least)) {
        return;
    }
    m_zoom = SZoom{least, most, m_value_axis->min(), m_value_axis->max()};
    draw();
}

void TFormPlot::ButtonResetZoomClick()
{
    m_zoom.reset();
    draw();
}

// A box drawn or a step out with the mouse changes the axes; the plot keeps that span.
void TFormPlot::take_zoom_from_axes()
{
    if (m_drawing) {
        return;
    }
    m_zoom = SZoom{m_time_axis->min(), m_time_axis->max(), m_value_axis->min(),
                   m_value_axis->max()};
    m_changed = true;
}

QString TFormPlot::read_out(double time) const
{
    QString text = tr("%1 s").arg(time, 0, 'f', 3);
    for (const auto &value : m_values) {
        const TPlot_series &series = value->series;
        const std::size_t at_or_before =
            series.CountIn(-std::numeric_limits<double>::infinity(), time);
        const double sample =
            at_or_before > 0 ? series.At(at_or_before - 1).value : std::numeric_limits<double>::quiet_NaN();
        text += QStringLiteral("   %1: %2").arg(
            value->source.caption, std::isnan(sample) ? tr("N/A") : number_text(sample));
    }
    return text;
}

// --- drawing ----------------------------------------------------------------------------------

void TFormPlot::RefreshDisplay()
{
    draw();
}

void TFormPlot::showEvent(QShowEvent *event)
{
    TFormKoruView::showEvent(event);
    m_redraw.start();
    draw();
}

void TFormPlot::hideEvent(QHideEvent *event)
{
    m_redraw.stop();
    TFormKoruView::hideEvent(event);
}

// The axes and lines change here only as the plot sets them: what changes them otherwise is the
// user zooming.
void TFormPlot::draw()
{
    const QScopedValueRollback<bool> drawing(m_drawing, true);
    m_changed = false;
    const auto [from, to] = shown_span();
    const auto columns =
        static_cast<std::size_t>(std::max(1.0, m_chart->plotArea().width()));
    double least = std::numeric_limits<double>::infinity();
    double most = -std::numeric_limits<double>::infinity();
    for (const auto &value : m_values) {
        const SPlot_span span = value->series.Decimate(from, to, columns);
        if (span.has_values) {
            least = std::min(least, span.least);
            most = std::max(most, span.most);
        }
        draw_value(*value, span);
    }
    if (m_zoom) {
        set_axes(from, to, m_zoom->least, m_zoom->most);
    } else if (least <= most) {
        const double margin = least < most ? (most - least) * 0.05 : std::max(1.0, std::fabs(least) * 0.05);
        set_axes(from, to, least - margin, most + margin);
    } else {
        set_axes(from, to, -1, 1);
    }
}

// The points between gaps go into pieces of one colour; only the first has a legend entry.
void TFormPlot::draw_value(SValue &value, const SPlot_span &span)
{
    std::vector<QList<QPointF>> runs(1);
    for (const SPlot_sample &point : span.points) {
        if (std::isnan(point.value)) {
            if (!runs.back().isEmpty()) {
                runs.emplace_back();
            }
            continue;
        }
        runs.back().append(QPointF(point.time, point.value));
    }
    while (value.pieces.size() < runs.size()) {
        auto *piece = new QLineSeries;
        piece->setColor(value.colour);
        piece->setName(value.source.caption);
        m_chart->addSeries(piece);
        piece->attachAxis(m_time_axis);
        piece->attachAxis(m_value_axis);
        for (QLegendMarker *marker : m_chart->legend()->markers(piece)) {
            marker->setVisible(value.pieces.empty());
        }
        value.pieces.push_back(piece);
    }
    for (std::size_t i = 0; i < value.pieces.size(); ++i) {
        value.pieces[i]->replace(i < runs.size() ? runs[i] : QList<QPointF>());
    }
}

void TFormPlot::set_axes(double from, double to, double least, double most)
{
    m_time_axis->setRange(from, to);
    m_value_axis->setRange(least, most);
}

QMap<QString, QString> TFormPlot::PaintedValues() const
{
    QMap<QString, QString> painted;
    const auto [from, to] = shown_span();
    for (std::size_t i = 0; i < m_values.size(); ++i) {
        painted.insert(QStringLiteral("Samples[%1]").arg(i),
                       QString::number(m_values[i]->series.CountIn(from, to)));
    }
    painted.insert(QStringLiteral("Paused"), paused() ? QStringLiteral("on") : QStringLiteral("off"));
    painted.insert(QStringLiteral("From"), QString::number(from, 'f', 3));
    painted.insert(QStringLiteral("To"), QString::number(to, 'f', 3));
    return painted;
}

// --- saving -----------------------------------------------------------------------------------

QString TFormPlot::write_csv(const QString &path) const
{
    const auto [from, to] = shown_span();
    QByteArray text = "time_s,name,value\n";
    for (const auto &value : m_values) {
        const TPlot_series &series = value->series;
        const QByteArray name = csv_field(value->source.caption).toUtf8();
        const std::size_t first = series.CountIn(-std::numeric_limits<double>::infinity(), from) -
                                  (series.CountIn(from, from));
        for (std::size_t i = first; i < series.Count() && series.At(i).time <= to; ++i) {
            const SPlot_sample &sample = series.At(i);
            text += QString::number(sample.time, 'f', 6).toUtf8() + ',' + name + ',' +
                    number_text(sample.value).toUtf8() + '\n';
        }
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size() || !file.commit()) {
        return tr("Cannot write %1: %2").arg(path, file.errorString());
    }
    return {};
}

QString TFormPlot::write_png(const QString &path)
{
    draw();
    if (!m_chart_view->grab().save(path, "PNG")) {
        return tr("Cannot write %1.").arg(path);
    }
    return {};
}

void TFormPlot::tell_failure(const QString &caption, const QString &problem)
{
    if (!problem.isEmpty()) {
        ShowMessageBox({this, QMessageBox::Warning, caption, problem});
    }
}

void TFormPlot::ButtonSaveCsvClick()
{
    const QString caption = tr("Save as CSV");
    const QString path = ChooseDataFile({this, true, caption, {}, tr("CSV files (*.csv)"), QStringLiteral("csv")});
    if (!path.isEmpty()) {
        tell_failure(caption, write_csv(path));
    }
}

void TFormPlot::ButtonSavePngClick()
{
    const QString caption = tr("Save as PNG");
    const QString path = ChooseDataFile({this, true, caption, {}, tr("PNG images (*.png)"), QStringLiteral("png")});
    if (!path.isEmpty()) {
        tell_failure(caption, write_png(path));
    }
}
