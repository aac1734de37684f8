#include "views/Form_gps_data.h"

#include "settings/output_port_records.h"
#include "views/sky_plot.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
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

bool in_mode_0(CGnss_group &record)
{
    return record.holds(record.gps_mode()) && record.gps_mode().get() == 0;
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

// The code-navigation value of the reference station, when it is one.
std::optional<unsigned> code_navigation_value(CGnss_group &record)
{
    const unsigned value = record.reference_station().get();
    if (!record.holds(record.reference_station()) || value >= code_navigation_limit) {
        return std::nullopt;
    }
    return value;
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


TFormGpsData::TFormGpsData(QWidget *parent) : TFormTableView("FormGpsData", parent)
{
    setWindowTitle(tr("GNSS Data"));
    Get(Program().messages, m_ports);
    auto &navigation = group<CGroup1>();
    AddActionRow(
        navigation, [this, &navigation] { take_heading(navigation.record()); },
        [this] { m_heading = 0; });
    auto &primary_group = group<CGroup3>();
    auto &secondary_group = group<CGroup106>();
    auto &auxiliary_group = group<CGroup107>();
    m_receivers = {&primary_group, &secondary_group, &auxiliary_group};
    m_auxiliary = &auxiliary_group.record();

    m_sv_grid = new TValueGrid(sv_row_titles(), sv_columns, 49, 19);
    m_sv_grid->setObjectName("primarySvData");
    m_plot = new CSky_plot(BorderBevel());
    CView_page &values = area(1);
    add_receiver(values, primary_group, primary);
    values.again();
    add_receiver(values, secondary_group, secondary);
    values.again();
    add_receiver(values, auxiliary_group, auxiliary);
    add_pps_and_nmea(values);
    m_tabs = &group_tabs("TabControl1",
                         {LoadText(first_plot_title_id), LoadText(first_plot_title_id + 1)},
                         {&primary_group, &secondary_group, &auxiliary_group});
    connect(m_tabs, &QTabBar::currentChanged, this, &TFormGpsData::TabControl1Change);
    lay_out(values);
    ResetDisplay(0);
}

TFormGpsData::~TFormGpsData() = default;

template <class TRecord>
void TFormGpsData::add_receiver(CView_page &values, TView_group<TRecord> &group,
                                EReceiver receiver)
{
    const QStringList widest_modes{LoadText(string_id::not_available),
                                   QStringLiteral("Unknown status: 255"),
                                   QStringLiteral("StarFire RTG Single with Tide INMARSAT Americas")};
    CView_box &status = values.box(tr("Receiver Status"));
    m_mode = &status.derived<TRecord>(
        tr("Mode"), group, [this, receiver](TRecord &record) { return mode_text(record, receiver); },
        widest_modes, "primaryMode");
    CView_box &timing = values.box(tr("Timing"));
    CView_box &differential = values.box(tr("Differential GNSS"));
    m_solution = {
        &status.value(tr("HDOP"), group, &TRecord::hdop, three_decimals, "primaryHdop"),
        &status.value(tr("VDOP"), group, &TRecord::vdop, three_decimals, "primaryVdop"),
        &status.value(tr("Geoidal Separation (m)"), group, &TRecord::geoidal_separation,
                      three_decimals, "primaryGeoidalSeparation"),
        &timing.value(tr("GNSS/UTC Week Number"), group, &TRecord::week_number,
                      CText_rule::natural(), "primaryWeekNumber"),
        &timing.value(tr("GNSS Time Offset (sec)"), group, &TRecord::time_offset, three_decimals,
                      "primaryTimeOffset"),
        &timing.value(tr("Nav Message Latency (sec)"), group, &TRecord::nav_latency,
                      three_decimals, "primaryNavLatency"),
        &differential.value(tr("Ref Station"), group, &TRecord::reference_station,
                            CText_rule::natural(), "primaryRefStation"),
        &differential.value(tr("Correction Latency (sec)"), group, &TRecord::dgps_latency,
                            three_decimals, "primaryCorrectionLatency")};

    const SArray_cells row{sv_columns, 1};
    const auto cells_of = [&row](int grid_row) {
        SArray_cells cells = row;
        cells.first_row = grid_row;
        return cells;
    };
    BindArrayField(*m_sv_grid, cells_of(0), group, &TRecord::sv, &CSv_data::prn,
                   CText_rule::natural());
    BindArrayField(*m_sv_grid, cells_of(1), group, &TRecord::sv, &CSv_data::status,
                   sv_status_rule());
    BindArrayField(*m_sv_grid, cells_of(2), group, &TRecord::sv, &CSv_data::azimuth, one_decimal);
    BindArrayField(*m_sv_grid, cells_of(3), group, &TRecord::sv, &CSv_data::elevation,
                   one_decimal);
    BindArrayField(*m_sv_grid, cells_of(4), group, &TRecord::sv, &CSv_data::l1_snr, one_decimal);
    BindArrayField(*m_sv_grid, cells_of(5), group, &TRecord::sv, &CSv_data::l2_snr, one_decimal);

    TRecord &record = group.record();
    AddActionRow(
        group, [this, &record, receiver] { show_receiver(record, receiver); },
        [this] { show_no_receiver(); });
}

void TFormGpsData::add_pps_and_nmea(CView_page &values)
{
    auto &pps = group<CGroup7>();
    CView_box &pps_box = values.box(tr("PPS"));
    pps_box.derived<CGroup7>(
        tr("Time"), pps,
        [](CGroup7 &record) {
            CGroup_header &header = record.header();
            return record.holds(header.time_1())
                       ? FormatTimeTag(header.time_1().get(),
                                       header.time_types().time_type_1().get(), false)
                       : LoadText(string_id::not_available);
        },
        {QStringLiteral("00:00:00.00 User"), LoadText(string_id::not_available)}, "ppsTime");
    pps_box.value(tr("Pulse Count"), pps, &CGroup7::pulse_number, CText_rule::natural(),
                  "ppsPulseCount");
    m_pps_box = pps_box.box();

    CView_box &nmea = values.box(tr("NMEA Messages Received"));
    const std::array<const char *, 4> sentences{"GGA", "GST", "GSV", "GSA"};
    const std::array<const char *, 4> names{"NmeaGga", "NmeaGst", "NmeaGsv", "NmeaGsa"};
    const std::array<QString, 4> hints{tr("GPS Position"), tr("Noise Statistics"),
                                       tr("Satellites in View"), tr("DOP & Active SV's")};
    for (std::size_t bit = 0; bit < sentences.size(); ++bit) {
        nmea.lamp(sentences[bit], group<CGroup107>(), &CGroup107::nmea_messages, 1U << bit, false,
                  names[bit])
            .setToolTip(hints[bit]);
    }
    m_nmea_box = nmea.box();
}

// The boxes in a column beside the plot, so that the window stays narrower than a screen; the
// thirty satellites below, scrolling sideways.
void TFormGpsData::lay_out(CView_page &values)
{
    content()->removeWidget(values.area());
    auto *controls = new QVBoxLayout;
    controls->addWidget(values.area());
    m_aircraft_frame = new QCheckBox(tr("Aircraft Frame"), BorderBevel());
    m_aircraft_frame->setObjectName("CheckBoxHeading");
    connect(m_aircraft_frame, &QCheckBox::toggled, this, [this] {
        selected_group().show_again();
        RefreshDisplay();
    });
    controls->addWidget(m_aircraft_frame);
    m_raw_data = new QPushButton(tr("Raw Aux. Data"), BorderBevel());
    m_raw_data->setObjectName("ButtonRawData");
    connect(m_raw_data, &QPushButton::clicked, this, &TFormGpsData::ButtonRawDataClick);
    controls->addWidget(m_raw_data);
    controls->addStretch();
    auto *upper = new QHBoxLayout;
    upper->addLayout(controls);
    upper->addWidget(m_plot, 1);
    content()->addLayout(upper, 1);

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

CView_group &TFormGpsData::selected_group() const
{
    return *m_receivers[selected()];
}

bool TFormGpsData::UpdateFromGroup(int argument)
{
    if (!TFormTableView::UpdateFromGroup(argument)) {
        return false;
    }
    if (Program().groups.number() == CGroup107::number_of_record) {
        offer_auxiliary_tab();
    }
    return true;
}

// A heading out of range counts as north.
void TFormGpsData::take_heading(CGroup1 &navigation)
{
    const double heading = navigation.attitude().heading().get();
    const bool usable = navigation.has_value(navigation.attitude().heading()) && heading >= 0 &&
                        heading <= highest_heading;
    m_heading = usable ? heading : 0;
    if (m_aircraft_frame->isChecked()) {
        selected_group().show_again();
    }
}

// The third tab is offered once the auxiliary receiver has reported a mode.
void TFormGpsData::offer_auxiliary_tab()
{
    if (m_tabs->count() > auxiliary || !m_auxiliary->has_value(m_auxiliary->gps_mode()) ||
        m_auxiliary->gps_mode().get() == 0) {
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
        selected_group().show_again();
        RefreshDisplay();
    }
    return true;
}

void TFormGpsData::TabControl1Change()
{
    m_pps_box->setVisible(selected() == primary);
    m_nmea_box->setVisible(selected() == auxiliary);
    m_plot->set_title(plot_title());
}

// The auxiliary receiver's raw data come in a group of their own, asked for when its view opens.
void TFormGpsData::ButtonRawDataClick()
{
    if (IWindow_directory *windows = Program().window_directory) {
        windows->open_unlisted(QStringLiteral("FormAuxGpsData"));
    }
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

QString TFormGpsData::plot_title() const
{
    CGroup107 &record = *m_auxiliary;
    const bool numbered = record.has_value(record.aux_data_in_use()) &&
                          (record.aux_data_in_use().get() == 1 ||
                           record.aux_data_in_use().get() == second_auxiliary);
    if (selected() == auxiliary && numbered) {
        return LoadText(auxiliary_prefix_id) + QString::number(record.aux_data_in_use().get()) +
               LoadText(auxiliary_suffix_id);
    }
    return LoadText(first_plot_title_id + selected());
}

// The second auxiliary receiver on a code-navigation protocol codes its mode in the reference
// station.
bool TFormGpsData::mode_is_coded(EReceiver receiver) const
{
    return receiver == auxiliary && m_auxiliary->has_value(m_auxiliary->aux_data_in_use()) &&
           m_auxiliary->aux_data_in_use().get() == second_auxiliary &&
           aux_2_protocol() == CMessage104::cnav_navcom;
}

QString TFormGpsData::mode_text(CGnss_group &record, EReceiver receiver) const
{
    if (!mode_is_coded(receiver)) {
        return gps_mode_text(record);
    }
    const std::optional<unsigned> value = code_navigation_value(record);
    if (!value) {
        return LoadText(string_id::not_available);
    }
    return QString(code_mode(*value % 100).text) + ' ' + satellite_link(*value / 100);
}

void TFormGpsData::show_receiver(CGnss_group &record, EReceiver receiver)
{
    const std::optional<unsigned> coded =
        mode_is_coded(receiver) ? code_navigation_value(record) : std::nullopt;
    m_mode->SetTextColour(coded ? colour_of_class(code_mode(*coded % 100).colour_class)
                                : QColor(Qt::black));
    m_plot->set_title(plot_title());
    if (!in_mode_0(record)) {
        plot_satellites(record);
        return;
    }
    for (TValueLabel *label : m_solution) {
        label->setText(QString());
    }
    m_sv_grid->ClearCells();
    m_plot->show_no_data();
}

void TFormGpsData::show_no_receiver()
{
    m_mode->SetTextColour(Qt::black);
    m_plot->show_no_data();
}

// A satellite without a PRN or a place is listed but not drawn.
void TFormGpsData::plot_satellites(CGnss_group &record)
{
    const int rotation = m_aircraft_frame->isChecked() ? static_cast<int>(m_heading) : 0;
    const std::size_t count = record.sv().count();
    m_plot->start(rotation, static_cast<int>(count));
    for (std::size_t k = 0; k < count; ++k) {
        CSv_data &sv = record.sv()[k];
        if (record.has_value(sv.prn()) && record.has_value(sv.azimuth()) &&
            record.has_value(sv.elevation())) {
            m_plot->add(sv.prn().get(), sv.azimuth().get(), sv.elevation().get());
        }
    }
}

void TFormGpsData::ResetDisplay(int argument)
{
    if (argument != 0) {
        return;
    }
    m_tabs->setCurrentIndex(primary);
    while (m_tabs->count() > auxiliary) {
        m_tabs->removeTab(auxiliary);
    }
    m_raw_data->setVisible(false);
    TFormTableView::ResetDisplay(argument);
    TabControl1Change();
}

QMap<QString, QString> TFormGpsData::PaintedValues() const
{
    return m_plot->painted_values();
}
