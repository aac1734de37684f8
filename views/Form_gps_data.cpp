#include "views/Form_gps_data.h"

#include "controls/image_list.h"
#include "controls/led_image.h"
#include "controls/value_grid.h"
#include "controls/value_label.h"
#include "settings/output_port_records.h"
#include "shell/program.h"
#include "views/sky_plot.h"
#include "views/view_rules.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QTabBar>
#include <QVBoxLayout>

#include <algorithm>
#include <cmath>

namespace {

constexpr int sv_columns = static_cast<int>(CGnss_group::sv_capacity);
constexpr int first_title_id = 14621; // "SV" … "L2 SNR"
constexpr int first_status_id = 14609; // "Idle" … "L2 PLL"
constexpr int status_codes = 12;
constexpr int first_plot_title_id = 14627; // "Primary GNSS" … "Auxiliary GNSS"
constexpr int auxiliary_prefix_id = 14630;
constexpr int auxiliary_suffix_id = 14631;

// The code-navigation value of the auxiliary receiver's "DGPS Reference Station ID" is read below
// this; it holds a mode (v mod 100) and a satellite link (v div 100).
constexpr unsigned code_navigation_limit = 1024;
// Data in use from the second auxiliary receiver, whose protocol may code the mode this way.
constexpr unsigned second_auxiliary = 2;
constexpr double highest_heading = 359.9;

const CText_rule three_decimals = CText_rule::picture("0.000");
const CText_rule one_decimal = CText_rule::picture("0.0");

// The receiver's navigation mode, by its code.
constexpr std::array<const char *, 9> gps_modes{
    "No Data",  "2-D C/A",       "3-D C/A",         "2-D DGPS", "3-D DGPS",
    "Float RTK", "Wide Lane RTK", "Narrow Lane RTK", "P-Code"};

QString gps_mode_text(CGnss_group &record)
{
    if (!record.has_value(record.gps_mode())) {
        return LoadText(string_id::not_available);
    }
    const unsigned code = record.gps_mode().get();
    return code < gps_modes.size() ? QString(gps_modes[code])
                                   : QStringLiteral("Unknown status: %1").arg(code);
}

// A code-navigation mode and its colour class, from no solution (0) to carrier phase (7).
struct SCode_mode {
    const char *text;
    int colour_class;
};

constexpr std::array<SCode_mode, 27> code_modes{{
    {"Non DGPS", 2},
    {"DGPS,RTCM 1 or 9 Single", 4},
    {"WAAS/EGNOS Single", 4},
    {"WAAS/EGNOS Dual", 4},
    {"StarFire WCT Single", 4},
    {"StarFire WCT Dual", 4},
    {"StarFire RTG Single no Tide", 4},
    {"Reserved", 0},
    {"Reserved", 0},
    {"Reserved", 0},
    {"DGPS,RTCM 1 or 9 Dual", 4},
    {"StarFire RTG Dual no Tide", 7},
    {"Code Nav Single NCT", 4},
    {"Code Nav Single RTCM18/19", 4},
    {"Code Nav Single RTCM20/21", 4},
    {"Code Nav Single CMR", 4},
    {"Code Nav Dual NCT", 4},
    {"Code Nav Dual RTCM18/19", 4},
    {"Code Nav Dual RTCM20/21", 4},
    {"Code Nav Dual CMR", 4},
    {"RTK Mode NCT", 7},
    {"RTK Mode RTCM18/19", 7},
    {"RTK Mode RTCM20/21", 7},
    {"RTK Mode CMR", 7},
    {"StarFire RTG Single with Tide", 7},
    {"StarFire RTG Dual with Tide", 7},
    {"RTG in RTK Backup Mode", 7},
}};
constexpr SCode_mode unknown_code_mode{"Unknown", 0};

constexpr std::array<const char *, 10> satellite_links{
    "None or Error", "INMARSAT Americas", "INMARSAT EAME", "INMARSAT ASPAC", "Reserved AOR-E",
    "Reserved POR",  "Reserved",          "Reserved",      "Reserved",       "Unknown Frequency"};

SCode_mode code_mode(unsigned code)
{
    return code < code_modes.size() ? code_modes[code] : unknown_code_mode;
}

QString satellite_link(unsigned link)
{
    return link < satellite_links.size() ? QString(satellite_links[link])
                                         : QStringLiteral("Unknown");
}

QColor colour_of_class(int colour_class)
{
    switch (colour_class) {
    case 2:
        return Qt::darkRed;
    case 4:
        return QColor(0xB0, 0x70, 0x00);
    case 7:
        return Qt::darkGreen;
    default:
        return Qt::black;
    }
}

// A satellite's tracking state; codes past the last read "Idle" like code 0.
const CText_rule &sv_status_rule()
{
    static const CText_rule rule = [] {
        std::vector<SWord> words;
        for (int code = 0; code < status_codes; ++code) {
            words.push_back({code, LoadText(first_status_id + code)});
        }
        return CText_rule::words(std::move(words), LoadText(first_status_id));
    }();
    return rule;
}

QStringList sv_row_titles()
{
    QStringList titles;
    for (int row = 0; row < 6; ++row) {
        titles.append(LoadText(first_title_id + row));
    }
    return titles;
}

} // namespace

TFormGpsData::TFormGpsData(QWidget *parent)
    : TFormKoruView("FormGpsData", parent), m_pace(*this, [this] { fill(); })
{
    setWindowTitle(tr("GNSS Data"));
    Get(Program().groups, m_pps);
    Get(Program().groups, m_navigation);
    CGroup3 *primary_shared = nullptr;
    CGroup106 *secondary_shared = nullptr;
    CGroup107 *auxiliary_shared = nullptr;
    m_shared = {&Get(Program().groups, primary_shared), &Get(Program().groups, secondary_shared),
                &Get(Program().groups, auxiliary_shared)};
    m_copies = {&m_primary.record(), &m_secondary.record(), &m_auxiliary.record()};
    Get(Program().messages, m_ports);
    build_controls();
    ResetDisplay(0);
}

TFormGpsData::~TFormGpsData() = default;

TValueLabel &TFormGpsData::add_value(QGroupBox &box, const QString &caption, const QString &name)
{
    auto *grid = static_cast<QGridLayout *>(box.layout());
    const int row = grid->rowCount();
    grid->addWidget(new QLabel(caption, &box), row, 0);
    auto *label = new TValueLabel(&box);
    label->setObjectName(name);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(label, row, 1);
    return *label;
}

void TFormGpsData::build_controls()
{
    auto box = [this](const QString &title) {
        auto *made = new QGroupBox(title, BorderBevel());
        new QGridLayout(made);
        return made;
    };
    m_tabs = new QTabBar(BorderBevel());
    m_tabs->setObjectName("TabControl1");
    m_tabs->setExpanding(false);
    m_tabs->addTab(LoadText(first_plot_title_id));
    m_tabs->addTab(LoadText(first_plot_title_id + 1));
    connect(m_tabs, &QTabBar::currentChanged, this, &TFormGpsData::TabControl1Change);
    content()->addWidget(m_tabs);

    auto *status = box(tr("Receiver Status"));
    auto *timing = box(tr("Timing"));
    auto *differential = box(tr("Differential GNSS"));
    m_pps_box = box(tr("PPS"));
    m_nmea_box = box(tr("NMEA Messages Received"));
    const QStringList widest_numbers{LoadText(string_id::not_available),
                                     FormatValue("0.000", -9999999.0, true)};
    m_values[mode] = &add_value(*status, tr("Mode"), "primaryMode");
    m_values[hdop] = &add_value(*status, tr("HDOP"), "primaryHdop");
    m_values[vdop] = &add_value(*status, tr("VDOP"), "primaryVdop");
    m_values[geoidal_separation] =
        &add_value(*status, tr("Geoidal Separation (m)"), "primaryGeoidalSeparation");
    m_values[week_number] = &add_value(*timing, tr("GNSS/UTC Week Number"), "primaryWeekNumber");
    m_values[time_offset] = &add_value(*timing, tr("GNSS Time Offset (sec)"), "primaryTimeOffset");
    m_values[nav_latency] =
        &add_value(*timing, tr("Nav Message Latency (sec)"), "primaryNavLatency");
    m_values[reference_station] =
        &add_value(*differential, tr("Ref Station"), "primaryRefStation");
    m_values[correction_latency] =
        &add_value(*differential, tr("Correction Latency (sec)"), "primaryCorrectionLatency");
    for (TValueLabel *label : m_values) {
        label->SetWidestTexts(widest_numbers);
    }
    QStringList mode_texts{QStringLiteral("Unknown status: 255"),
                           QStringLiteral("StarFire RTG Single with Tide INMARSAT Americas")};
    m_values[mode]->SetWidestTexts(mode_texts + widest_numbers);
    m_pps_time = &add_value(*m_pps_box, tr("Time"), "ppsTime");
    m_pps_time->SetWidestTexts({QStringLiteral("00:00:00.00 User"), widest_numbers[0]});
    m_pulse_count = &add_value(*m_pps_box, tr("Pulse Count"), "ppsPulseCount");
    m_pulse_count->SetWidestTexts({QStringLiteral("4294967294"), widest_numbers[0]});

    const std::array<const char *, 4> sentences{"GGA", "GST", "GSV", "GSA"};
    const std::array<const char *, 4> names{"NmeaGga", "NmeaGst", "NmeaGsv", "NmeaGsa"};
    const std::array<QString, 4> hints{tr("GPS Position"), tr("Noise Statistics"),
                                       tr("Satellites in View"), tr("DOP & Active SV's")};
    auto *nmea = static_cast<QGridLayout *>(m_nmea_box->layout());
    for (std::size_t i = 0; i < m_nmea_lamps.size(); ++i) {
        auto *lamp = new CLed_image(m_nmea_box);
        lamp->setObjectName(names[i]);
        lamp->Set_image_list(&GreenLampImages());
        lamp->setFixedSize(16, 16);
        lamp->setToolTip(hints[i]);
        auto *caption = new QLabel(sentences[i], m_nmea_box);
        caption->setToolTip(hints[i]);
        nmea->addWidget(lamp, static_cast<int>(i), 0);
        nmea->addWidget(caption, static_cast<int>(i), 1);
        m_nmea_lamps[i] = lamp;
    }

    // One column of boxes beside the plot: the window stays narrower than a screen.
    auto *boxes = new QVBoxLayout;
    for (QGroupBox *made : {status, timing, differential, m_pps_box, m_nmea_box}) {
        boxes->addWidget(made);
    }
    auto *controls = new QVBoxLayout;
    controls->addLayout(boxes);
    m_aircraft_frame = new QCheckBox(tr("Aircraft Frame"), BorderBevel());
    m_aircraft_frame->setObjectName("CheckBoxHeading");
    connect(m_aircraft_frame, &QCheckBox::toggled, this, [this] {
        m_receiver_changed = true;
        m_pace.fill_now();
    });
    controls->addWidget(m_aircraft_frame);
    m_raw_data = new QPushButton(tr("Raw Aux. Data"), BorderBevel());
    m_raw_data->setObjectName("ButtonRawData");
    // Opens the raw auxiliary data view once that view is built.
    m_raw_data->setEnabled(false);
    controls->addWidget(m_raw_data);
    controls->addStretch();
    m_plot = new CSky_plot(BorderBevel());
    auto *upper = new QHBoxLayout;
    upper->addLayout(controls);
    upper->addWidget(m_plot, 1);
    content()->addLayout(upper, 1);

    m_sv_grid = new TValueGrid(sv_row_titles(), sv_columns, 49, 19);
    m_sv_grid->setObjectName("primarySvData");
    for (int column = 1; column <= sv_columns; ++column) {
        m_sv_grid->AddWidestTexts(column, {LoadText(first_status_id + 9),
                                           LoadText(string_id::not_available),
                                           QStringLiteral("-999.9")});
    }
    // Thirty satellites are wider than any screen: the grid scrolls sideways.
    auto *scroller = new QScrollArea(BorderBevel());
    scroller->setWidget(m_sv_grid);
    scroller->setWidgetResizable(true);
    scroller->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroller->setMinimumHeight(m_sv_grid->minimumHeight() + 24);
    scroller->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Maximum);
    content()->addWidget(scroller);
}

TFormGpsData::EReceiver TFormGpsData::selected() const
{
    return static_cast<EReceiver>(std::max(0, m_tabs->currentIndex()));
}

bool TFormGpsData::UpdateFromGroup(int)
{
    if (m_pps->is_current()) {
        m_pulse_count->setText(FormatItem(CText_rule::natural(), *m_pps, m_pps->pulse_number()));
        CGroup_header &header = m_pps->header();
        m_pps_time->setText(m_pps->holds(header.time_1())
                                ? FormatTimeTag(header.time_1().get(),
                                                header.time_types().time_type_1().get(), false)
                                : LoadText(string_id::not_available));
        return true;
    }
    if (m_navigation->is_current()) {
        const double heading = m_navigation->attitude().heading().get();
        const bool usable = m_navigation->has_value(m_navigation->attitude().heading()) &&
                            heading >= 0 && heading <= highest_heading;
        m_heading = usable ? heading : 0;
        if (m_aircraft_frame->isChecked()) {
            m_receiver_changed = true;
            m_pace.request();
        }
        return true;
    }
    for (int receiver = primary; receiver < receiver_count; ++receiver) {
        if (take_receiver(static_cast<EReceiver>(receiver))) {
            return true;
        }
    }
    return false;
}

bool TFormGpsData::take_receiver(EReceiver receiver)
{
    if (!m_shared[receiver]->is_current()) {
        return false;
    }
    switch (receiver) {
    case primary:
        m_primary.take(*m_shared[receiver]);
        break;
    case secondary:
        m_secondary.take(*m_shared[receiver]);
        break;
    default:
        m_auxiliary.take(*m_shared[receiver]);
        offer_auxiliary_tab();
        m_aux_lamps_changed = true;
        break;
    }
    if (receiver == selected()) {
        m_receiver_changed = true;
    }
    m_pace.request();
    return true;
}

// The third tab is offered once the auxiliary receiver has reported a mode.
void TFormGpsData::offer_auxiliary_tab()
{
    CGroup107 &record = m_auxiliary.record();
    if (m_tabs->count() > auxiliary || !record.has_value(record.gps_mode()) ||
        record.gps_mode().get() == 0) {
        return;
    }
    m_tabs->addTab(LoadText(first_plot_title_id + 2));
    m_raw_data->setVisible(true);
}

bool TFormGpsData::UpdateFromMessage(int)
{
    if (aux_2_protocol() == std::nullopt) {
        return false;
    }
    if (selected() == auxiliary) {
        m_receiver_changed = true;
        m_pace.request();
    }
    return true;
}

void TFormGpsData::RefreshDisplay()
{
    m_pace.fill_now();
}

void TFormGpsData::showEvent(QShowEvent *event)
{
    TFormKoruView::showEvent(event);
    RefreshDisplay();
}

void TFormGpsData::fill()
{
    if (m_aux_lamps_changed) {
        m_aux_lamps_changed = false;
        show_aux_lamps();
    }
    if (m_receiver_changed) {
        m_receiver_changed = false;
        show_receiver();
    }
}

void TFormGpsData::TabControl1Change()
{
    const bool first = selected() == primary;
    const bool third = selected() == auxiliary;
    m_pps_box->setVisible(first);
    m_nmea_box->setVisible(third);
    m_receiver_changed = true;
    m_pace.fill_now();
}

// The ports' settings as the last Message 104 the computer sent gave them: the display port copies
// every message it receives into the message's record.
std::optional<unsigned> TFormGpsData::aux_2_protocol() const
{
    if (!m_ports->is_current() || !m_ports->holds(m_ports->aux_2_protocol())) {
        return std::nullopt;
    }
    return m_ports->aux_2_protocol().get();
}

std::optional<int> TFormGpsData::auxiliary_number() const
{
    if (m_aux_data_in_use && (*m_aux_data_in_use == 1 || *m_aux_data_in_use == 2)) {
        return static_cast<int>(*m_aux_data_in_use);
    }
    return std::nullopt;
}

QString TFormGpsData::plot_title() const
{
    const EReceiver receiver = selected();
    if (receiver == auxiliary && auxiliary_number()) {
        return LoadText(auxiliary_prefix_id) + QString::number(*auxiliary_number()) +
               LoadText(auxiliary_suffix_id);
    }
    return LoadText(first_plot_title_id + receiver);
}

void TFormGpsData::show_aux_lamps()
{
    CGroup107 &record = m_auxiliary.record();
    const bool held = record.holds(record.nmea_messages());
    for (std::size_t bit = 0; bit < m_nmea_lamps.size(); ++bit) {
        m_nmea_lamps[bit]->Set_state(held && (record.nmea_messages().get() >> bit & 1U) != 0);
    }
    if (record.has_value(record.aux_data_in_use())) {
        m_aux_data_in_use = record.aux_data_in_use().get();
    }
}

void TFormGpsData::show_receiver()
{
    m_plot->set_title(plot_title());
    CGnss_group &record = *m_copies[selected()];
    const bool has_frame = record.frame_number() == record.number();
    if (!has_frame || (record.holds(record.gps_mode()) && record.gps_mode().get() == 0)) {
        empty_receiver();
        if (has_frame) {
            m_values[mode]->setText(mode_text(record));
        }
        return;
    }
    show_values(record);
    show_satellites(record, record.sv().count());
}

void TFormGpsData::empty_receiver()
{
    for (TValueLabel *label : m_values) {
        label->setText(QString());
    }
    m_values[mode]->SetTextColour(Qt::black);
    m_sv_grid->ClearCells();
    m_plot->show_no_data();
}

QString TFormGpsData::mode_text(CGnss_group &record)
{
    const bool coded = selected() == auxiliary && m_aux_data_in_use == second_auxiliary &&
                       aux_2_protocol() == CMessage104::cnav_navcom;
    m_values[mode]->SetTextColour(Qt::black);
    if (!coded) {
        return gps_mode_text(record);
    }
    const unsigned value = record.reference_station().get();
    if (!record.holds(record.reference_station()) || value >= code_navigation_limit) {
        return LoadText(string_id::not_available);
    }
    const SCode_mode code = code_mode(value % 100);
    m_values[mode]->SetTextColour(colour_of_class(code.colour_class));
    return QString(code.text) + ' ' + satellite_link(value / 100);
}

void TFormGpsData::show_values(CGnss_group &record)
{
    m_values[mode]->setText(mode_text(record));
    m_values[hdop]->setText(FormatItem(three_decimals, record, record.hdop()));
    m_values[vdop]->setText(FormatItem(three_decimals, record, record.vdop()));
    m_values[geoidal_separation]->setText(
        FormatItem(three_decimals, record, record.geoidal_separation()));
    m_values[week_number]->setText(FormatItem(CText_rule::natural(), record, record.week_number()));
    m_values[time_offset]->setText(FormatItem(three_decimals, record, record.time_offset()));
    m_values[nav_latency]->setText(FormatItem(three_decimals, record, record.nav_latency()));
    m_values[reference_station]->setText(
        FormatItem(CText_rule::natural(), record, record.reference_station()));
    m_values[correction_latency]->setText(
        FormatItem(three_decimals, record, record.dgps_latency()));
}

void TFormGpsData::show_satellites(CGnss_group &record, std::size_t count)
{
    const int rotation = m_aircraft_frame->isChecked() ? static_cast<int>(m_heading) : 0;
    m_plot->start(rotation, static_cast<int>(count));
    for (std::size_t k = 0; k < count; ++k) {
        CSv_data &sv = record.sv()[k];
        const int column = static_cast<int>(k) + 1;
        m_sv_grid->SetCell(0, column, FormatItem(CText_rule::natural(), record, sv.prn()));
        m_sv_grid->SetCell(1, column, FormatItem(sv_status_rule(), record, sv.status()));
        m_sv_grid->SetCell(2, column, FormatItem(one_decimal, record, sv.azimuth()));
        m_sv_grid->SetCell(3, column, FormatItem(one_decimal, record, sv.elevation()));
        m_sv_grid->SetCell(4, column, FormatItem(one_decimal, record, sv.l1_snr()));
        m_sv_grid->SetCell(5, column, FormatItem(one_decimal, record, sv.l2_snr()));
        // A satellite without a PRN or a place is listed but not drawn.
        if (record.has_value(sv.prn()) && record.has_value(sv.azimuth()) &&
            record.has_value(sv.elevation())) {
            m_plot->add(sv.prn().get(), sv.azimuth().get(), sv.elevation().get());
        }
    }
    for (int column = static_cast<int>(count) + 1; column <= sv_columns; ++column) {
        for (int row = 0; row < m_sv_grid->rowCount(); ++row) {
            m_sv_grid->SetCell(row, column, QString());
        }
    }
}

void TFormGpsData::ResetDisplay(int argument)
{
    if (argument != 0) {
        return;
    }
    m_pace.cancel();
    m_primary.clear();
    m_secondary.clear();
    m_auxiliary.clear();
    m_aux_data_in_use.reset();
    m_receiver_changed = false;
    m_aux_lamps_changed = false;
    m_tabs->setCurrentIndex(primary);
    while (m_tabs->count() > auxiliary) {
        m_tabs->removeTab(auxiliary);
    }
    m_raw_data->setVisible(false);
    TabControl1Change();
    m_pps_time->setText(QString());
    m_pulse_count->setText(QString());
    for (CLed_image *lamp : m_nmea_lamps) {
        lamp->Set_state(false);
    }
    m_plot->set_title(plot_title());
    empty_receiver();
}

void TFormGpsData::SetDataStale(bool stale)
{
    show_values_stale(stale);
}

QMap<QString, QString> TFormGpsData::PaintedValues() const
{
    return m_plot->painted_values();
}
