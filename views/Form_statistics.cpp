#include "views/Form_statistics.h"

#include "display/formats.h"

#include <QChart>
#include <QChartView>
#include <QDateTime>
#include <QDateTimeAxis>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineSeries>
#include <QValueAxis>

#include <cmath>

namespace {

const CText_rule one_decimal = CText_rule::picture("0.0");
const CText_rule percent = CText_rule::computed(
    [](double load) { return QStringLiteral("%1%").arg(static_cast<long long>(load)); },
    {QStringLiteral("65535%")});

// A chart time in days as the local time whose clock reads that time of day, so that the axis,
// which shows local times, reads the time tag's own time of day.
qint64 chart_msecs(double days)
{
    static const QDateTime origin(QDate(1970, 1, 1), QTime(0, 0));
    const auto whole_days = static_cast<qint64>(std::floor(days));
    const auto msecs = static_cast<qint64>(std::llround((days - static_cast<double>(whole_days)) *
                                                        CLoad_strip::seconds_per_day * 1000));
    return origin.addDays(whole_days).addMSecs(msecs).toMSecsSinceEpoch();
}

QString seconds_text(double days)
{
    return QString::number(days * CLoad_strip::seconds_per_day, 'f', 3);
}

template <class TGroup>
void add_statistics(CView_box &statistics, TView_group<TGroup> &group)
{
    statistics.value(QObject::tr("Total Hours"), group, &TGroup::total_hours, one_decimal);
    statistics.value(QObject::tr("Total Runs"), group, &TGroup::number_of_runs);
    statistics.value(QObject::tr("Average Run (hours)"), group, &TGroup::average_run, one_decimal);
    statistics.value(QObject::tr("Longest Run (hours)"), group, &TGroup::longest_run, one_decimal);
    statistics.value(QObject::tr("Current Run (hours)"), group, &TGroup::current_run, one_decimal);
}

} // namespace

QString IdentificationText(CGroup108 &group)
{
    const auto number = [&group](TScalar<float> &item, const char *picture) {
        return FormatValue(picture, item.get(), group.has_value(item));
    };
    return FormatCount(group.system_model().get(), group.has_value(group.system_model())) +
           QStringLiteral(",VER") + number(group.system_version(), "0") +
           QStringLiteral(",S/N") + number(group.serial_number(), "0") + QStringLiteral(",HW") +
           number(group.hardware_revision(), "0.0") + QStringLiteral(",SW") +
           number(group.software_revision(), "0.00") + QStringLiteral(",ICD") +
           number(group.icd_revision(), "0.0");
}

TFormStatistics::TFormStatistics(QWidget *parent) : TFormTableView("FormStatistics", parent)
{
    setWindowTitle(tr("Statistics"));
    m_versions = &group<CGroup99>();
    m_identification = &group<CGroup108>();
    m_load = &group<CGroup20105>();

    CView_page &own = area(2);
    CView_box &version = own.box(tr("KORU Version"));
    m_version = new TValueLabel(version.box());
    m_version->setObjectName("KoruVersion");
    m_version->setWordWrap(true);
    version.box()->layout()->addWidget(m_version);
    CView_box &receivers = own.box(tr("GPS Receivers"));
    receivers.value(tr("Primary Receiver"), *m_versions, &CGroup99::primary_gps_version);
    receivers.value(tr("Secondary Receiver"), *m_versions, &CGroup99::secondary_gps_version);
    add_statistics(own.box(tr("Statistics")), *m_versions);
    CView_box &loading = own.box(tr("System Loading"));
    loading.value(tr("Current"), *m_load, &CGroup20105::current_load, percent);
    loading.value(tr("Average"), *m_load, &CGroup20105::average_load, percent);
    loading.value(tr("Maximum"), *m_load, &CGroup20105::maximum_load, percent);
    loading.value(tr("Minimum"), *m_load, &CGroup20105::minimum_load, percent);
    // Group 108 shows in the same places as Group 99.
    own.again();
    own.box(tr("KORU Version"));
    CView_box &same_receivers = own.box(tr("GPS Receivers"));
    same_receivers.value(tr("Primary Receiver"), *m_identification,
                         &CGroup108::primary_gps_version);
    same_receivers.value(tr("Secondary Receiver"), *m_identification,
                         &CGroup108::secondary_gps_version);
    add_statistics(own.box(tr("Statistics")), *m_identification);

    AddActionRow(
        *m_versions,
        [this] {
            CGroup99 &versions = m_versions->record();
            const QString text = versions.has_value(versions.koru_version())
                                     ? ShownText(versions.koru_version().text())
                                     : QString();
            show_version(text, true);
        },
        [this] { m_version->clear(); });
    AddActionRow(
        *m_identification,
        [this] { show_version(IdentificationText(m_identification->record()), false); },
        [this] { m_version->clear(); });

    auto *chart = new QChart;
    chart->legend()->hide();
    m_series = new QLineSeries(chart);
    chart->addSeries(m_series);
    auto *load_axis = new QValueAxis(chart);
    load_axis->setRange(0, 100);
    load_axis->setTitleText(tr("Loading (%)"));
    m_time_axis = new QDateTimeAxis(chart);
    m_time_axis->setFormat(QStringLiteral("h:mm:ss"));
    chart->addAxis(load_axis, Qt::AlignLeft);
    chart->addAxis(m_time_axis, Qt::AlignBottom);
    m_series->attachAxis(load_axis);
    m_series->attachAxis(m_time_axis);
    m_chart = new QChartView(chart, loading.box());
    m_chart->setObjectName("Chart1");
    m_chart->setMinimumSize(320, 200);
    auto *loading_layout = static_cast<QGridLayout *>(loading.box()->layout());
    loading_layout->addWidget(m_chart, loading_layout->rowCount(), 0, 1, -1);
    apply_axis();
}

// The model code follows every version text shown; the sub-model code only Group 99's, the one
// that carries it.
void TFormStatistics::show_version(const QString &version, bool with_sub_model)
{
    m_version->setText(version);
    const QByteArray latin = version.toLatin1();
    const SModel_codes codes = ModelCodesOf({latin.constData(), static_cast<std::size_t>(latin.size())});
    SOptions &options = Program().options;
    options.model_code = QString::fromLatin1(codes.model.data(), static_cast<qsizetype>(codes.model.size()));
    if (with_sub_model) {
        options.sub_model_code =
            QString::fromLatin1(codes.sub_model.data(), static_cast<qsizetype>(codes.sub_model.size()));
    }
}

bool TFormStatistics::UpdateFromGroup(int argument)
{
    if (!TFormTableView::UpdateFromGroup(argument)) {
        return false;
    }
    // Every report is a point, whether the view is shown at the moment or not.
    if (Program().groups.number() == CGroup20105::number_of_record) {
        take_load(m_load->record());
    }
    return true;
}

void TFormStatistics::take_load(CGroup20105 &load)
{
    CGroup_header &header = load.header();
    const CLoad_strip::SChange change =
        m_strip.take(header.time_types().time_type_1().get(), header.time_1().get(),
                     load.has_value(load.current_load()), load.current_load().get());
    if (change.cleared) {
        m_series->clear();
    }
    if (change.added) {
        const CLoad_strip::SPoint &newest = m_strip.points().back();
        m_series->append(static_cast<qreal>(chart_msecs(newest.x)), newest.load);
    }
    if (change.dropped > 0) {
        m_series->removePoints(0, static_cast<int>(change.dropped));
    }
    apply_axis();
}

void TFormStatistics::apply_axis()
{
    m_time_axis->setRange(QDateTime::fromMSecsSinceEpoch(chart_msecs(m_strip.axis_minimum())),
                          QDateTime::fromMSecsSinceEpoch(chart_msecs(m_strip.axis_maximum())));
}

void TFormStatistics::ResetDisplay(int argument)
{
    m_strip.reset();
    m_series->clear();
    apply_axis();
    TFormTableView::ResetDisplay(argument);
}

QMap<QString, QString> TFormStatistics::PaintedValues() const
{
    return {{QStringLiteral("Chart1Points"), QString::number(m_series->count())},
            {QStringLiteral("Chart1Minimum"), seconds_text(m_strip.axis_minimum())},
            {QStringLiteral("Chart1Maximum"), seconds_text(m_strip.axis_maximum())}};
}
