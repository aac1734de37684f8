#include "views/Form_tarvo.h"

#include "controls/float_gauge.h"
#include "controls/image_list.h"
#include "controls/led_image.h"
#include "controls/value_label.h"
#include "display/formats.h"
#include "display/status_texts.h"
#include "platform/user_feedback.h"
#include "protocol/status_words.h"
#include "resources/string_ids.h"
#include "resources/texts.h"
#include "views/navigation_samples.h"

#include <QAction>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QStatusBar>
#include <QToolBar>
#include <QToolButton>

#include <cmath>

namespace {

// The control names of the value labels, in the order of TFormTarvo::EValue.
constexpr const char *value_names[] = {
    "Latitude",
    "Longitude",
    "Altitude",
    "LatitudeAcc",
    "LongitudeAcc",
    "AltitudeAcc",
    "North",
    "East",
    "Down",
    "NorthAcc",
    "EastAcc",
    "DownAcc",
    "Roll",
    "Pitch",
    "Heading",
    "RollAcc",
    "PitchAcc",
    "HeadingAcc",
    "LongitudinalAngRate",
    "TransverseAngRate",
    "VerticalAngRate",
    "LongitudinalAccel",
    "TransverseAccel",
    "VerticalAccel",
    "EventTime1",
    "EventTime2",
    "PpsTime",
    "EventCount1",
    "EventCount2",
    "PpsCount",
    "KoruMode",
    "ImuStatus",
    "GpsStatus",
    "GimbalStatus",
    "ScsiStatus",
    "LidarStatus",
    "TrackAngle",
};
static_assert(std::size(value_names) == TFormTarvo::value_count);

constexpr const char *lamp_names[] = {"LedAttitude", "LedHeading", "LedPosition", "LedVelocity"};
// The bit of General Status B each lamp shows: the user's accuracy is met.
constexpr unsigned lamp_bits[] = {
    CGen_status_b::bits::user_attitude_rms_perf, CGen_status_b::bits::user_heading_rms_perf,
    CGen_status_b::bits::user_position_rms_perf, CGen_status_b::bits::user_velocity_rms_perf};
static_assert(std::size(lamp_bits) == TFormTarvo::lamp_count);

constexpr char three_decimals[] = "0.000";
constexpr int seconds_decimals = 2;
// The speed gauge is labelled in knots: metres per second × 3600 / 1852, up to 583.
constexpr double knots_per_metre_per_second = 3600.0 / 1852.0;
constexpr double speed_gauge_maximum = 583.0;
// The IMU type for which a version text marked "no IMU" still has an IMU status.
constexpr std::uint8_t imu_type_with_status = 14;
// A fourth Group 101 without news from the lidar hides its display.
constexpr std::uint32_t lidar_staleness_limit = 3;
// Groups switched on for the event, PPS and disk displays after connecting.
constexpr std::uint16_t requested_after_connect[] = {5, 6, 7, 8};

// "PC Card: " before the state of PC-card logging, which the status box leaves out.
constexpr int pc_card_prefix_length = 9;

QString not_available()
{
    return LoadText(string_id::not_available);
}

// The time tags of the event and PPS rows at their widest: every time type, the largest hour
// count the computer's own time reaches before it counts again, and the overflow text.
QStringList widest_time_tags()
{
    constexpr double last_second_of_day = 86399.999999;
    constexpr double last_counted_hour = 9999.0 * 3600.0 + 3599.999999;
    QStringList texts{FormatTimeTag(last_counted_hour, 0, true), FormatTime(1e12, false, true)};
    for (int type = 1; type <= 3; ++type) {
        texts.append(FormatTimeTag(last_second_of_day, type, true));
    }
    return texts;
}

QStringList lidar_texts()
{
    return {"On/Logging", "On/No Logging", "On/Buffering", "On/Error", "Failure", "Off"};
}

// Every text a value label may show that could be its widest, besides "N/A". The numbers are
// the largest a computer on an aircraft reports: kilometres of altitude, hundreds of metres per
// second, and accuracies up to ten kilometres.
QStringList widest_texts(TFormTarvo::EValue which)
{
    using V = TFormTarvo;
    auto three_decimals_of = [](double value) { return FormatValue("0.000", value, true); };
    switch (which) {
    case V::Latitude:
        return {FormatLatitude(-90.0, 2), FormatLatitude(90.0, 2)};
    case V::Longitude:
        return {FormatLongitude(-180.0, 2), FormatLongitude(180.0, 2)};
    case V::Altitude:
        return {three_decimals_of(-99999.999)};
    case V::LatitudeAcc: case V::LongitudeAcc: case V::AltitudeAcc:
    case V::NorthAcc: case V::EastAcc: case V::DownAcc:
    case V::RollAcc: case V::PitchAcc: case V::HeadingAcc:
        return {three_decimals_of(9999.999)};
    case V::Roll: case V::Pitch:
        return {three_decimals_of(-180.0)};
    case V::Heading: case V::TrackAngle:
        return {FormatAngle360(359.999, true)};
    case V::EventTime1: case V::EventTime2: case V::PpsTime:
        return widest_time_tags();
    case V::EventCount1: case V::EventCount2: case V::PpsCount:
        return {FormatCount(4294967295u, true)};
    case V::KoruMode:
        return ModeTexts();
    case V::ImuStatus:
        return ImuStatusTexts();
    case V::GpsStatus:
        return GnssStatusTexts();
    case V::GimbalStatus:
        return GimbalStatusTexts();
    case V::ScsiStatus: {
        QStringList words;
        for (const QString &text : PcCardStatusTexts()) {
            words.append(text.mid(pc_card_prefix_length));
        }
        return words;
    }
    case V::LidarStatus:
        return lidar_texts();
    default: // velocities, angular rates and accelerations
        return {three_decimals_of(-999.999)};
    }
}

} // namespace

TFormTarvo::TFormTarvo(const SStart_options &start, QWidget *parent)
    : TFormMain("FormTarvo", start, parent), m_pace(*this, [this] { fill(); })
{
    setWindowTitle(tr("TARVO Controller"));
    Get(Program().groups, m_navigation);
    Get(Program().groups, m_accuracy);
    Get(Program().groups, m_imu);
    Get(Program().groups, m_event1);
    Get(Program().groups, m_event2);
    Get(Program().groups, m_pps);
    Get(Program().groups, m_disk);
    Get(Program().groups, m_versions);
    Get(Program().groups, m_status);
    Get(Program().groups, m_lidar);
    Get(Program().messages, m_display_groups);
    build_display();
    offer_plotting();
    add_menu_entries();
    ResetDisplay(0);
}

// --- the display -------------------------------------------------------------------------

QGroupBox *TFormTarvo::value_box(const QString &caption, QGridLayout *&grid)
{
    auto *box = new QGroupBox(caption, BorderBevel());
    grid = new QGridLayout(box);
    grid->setHorizontalSpacing(12);
    return box;
}

TValueLabel *TFormTarvo::add_value(QGridLayout *grid, EValue which, int row, int column)
{
    auto *label = new TValueLabel(grid->parentWidget());
    label->setObjectName(value_names[which]);
    // Bold, in the window's family and size, so that it scales with the window.
    QFont font;
    font.setBold(true);
    label->setFont(font);
    const bool left_aligned =
        which == Latitude || which == Longitude || (which >= KoruMode && which <= LidarStatus);
    label->setAlignment((left_aligned ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter);
    label->SetWidestTexts(widest_texts(which) << not_available());
    const bool accuracy = (which >= LatitudeAcc && which <= AltitudeAcc) ||
                          (which >= NorthAcc && which <= DownAcc) ||
                          (which >= RollAcc && which <= HeadingAcc);
    if (accuracy) {
        label->SetTextColour(Qt::darkBlue);
    }
    grid->addWidget(label, row, column);
    m_values[which] = label;
    return label;
}

void TFormTarvo::build_display()
{
    auto *display = new QGridLayout;
    content()->addLayout(display);
    QGridLayout *grid = nullptr;

    // Position, velocity and attitude: a value and its accuracy per row.
    struct SSolution_box {
        const char *caption;
        const char *accuracy_caption;
        const char *rows[3];
        EValue first;
    };
    const SSolution_box solution_boxes[] = {
        {"Position", "Accuracy (m)", {"Latitude", "Longitude", "Altitude (m)"}, Latitude},
        {"Velocity", "Accuracy (m/s)", {"North (m/s)", "East  (m/s)", "Down (m/s)"}, North},
        {"Attitude", "Accuracy (deg)", {"Roll (deg)", "Pitch (deg)", "Heading (deg)"}, Roll},
    };
    int box_row = 0;
    for (const SSolution_box &solution : solution_boxes) {
        display->addWidget(value_box(tr(solution.caption), grid), box_row++, 0);
        grid->addWidget(new QLabel(tr(solution.accuracy_caption)), 0, 2, Qt::AlignRight);
        for (int row = 0; row < 3; ++row) {
            grid->addWidget(new QLabel(tr(solution.rows[row])), row + 1, 0);
            add_value(grid, static_cast<EValue>(solution.first + row), row + 1, 1);
            add_value(grid, static_cast<EValue>(solution.first + 3 + row), row + 1, 2);
        }
    }

    display->addWidget(value_box(tr("Dynamics"), grid), 0, 1);
    const char *dynamics_columns[] = {"Longitudinal", "Transverse", "Vertical"};
    for (int column = 0; column < 3; ++column) {
        grid->addWidget(new QLabel(tr(dynamics_columns[column])), 0, column + 1, Qt::AlignRight);
        add_value(grid, static_cast<EValue>(LongitudinalAngRate + column), 1, column + 1);
        add_value(grid, static_cast<EValue>(LongitudinalAccel + column), 2, column + 1);
    }
    grid->addWidget(new QLabel(tr("Angular Rate (deg/s)")), 1, 0);
    grid->addWidget(new QLabel(tr("Accel. (m/s² )")), 2, 0);

    display->addWidget(value_box(tr("Events"), grid), 1, 1);
    grid->addWidget(new QLabel(tr("Time")), 0, 1, Qt::AlignRight);
    grid->addWidget(new QLabel(tr("Count")), 0, 2, Qt::AlignRight);
    const char *event_rows[] = {"Event 1", "Event 2", "PPS"};
    for (int row = 0; row < 3; ++row) {
        grid->addWidget(new QLabel(tr(event_rows[row])), row + 1, 0);
        add_value(grid, static_cast<EValue>(EventTime1 + row), row + 1, 1);
        add_value(grid, static_cast<EValue>(EventCount1 + row), row + 1, 2);
    }

    auto *status_box = value_box(tr("Status"), grid);
    display->addWidget(status_box, 2, 1);
    const char *status_rows[] = {"KORU Mode", "IMU Status", "GNSS Status", "Gimbal", "PC Card"};
    for (int row = 0; row < 5; ++row) {
        grid->addWidget(new QLabel(tr(status_rows[row])), row, 0);
        add_value(grid, static_cast<EValue>(KoruMode + row), row, 1);
    }
    grid->addWidget(new QLabel(tr("Disk Usage")), 5, 0);
    m_disk_gauge = new TFloatGauge(status_box);
    m_disk_gauge->setObjectName("ScsiGauge");
    grid->addWidget(m_disk_gauge, 5, 1);
    m_lidar_caption = new QLabel(tr("Lidar Status"));
    m_lidar_caption->setObjectName("LidarStatusCaption");
    grid->addWidget(m_lidar_caption, 6, 0);
    add_value(grid, LidarStatus, 6, 1);
    m_lidar_caption->hide();

    auto *accuracy_box = value_box(tr("Accuracy"), grid);
    display->addWidget(accuracy_box, 0, 2);
    const char *lamp_rows[] = {"Attitude", "Heading", "Position", "Velocity"};
    for (int row = 0; row < lamp_count; ++row) {
        auto *lamp = new CLed_image(accuracy_box);
        lamp->setObjectName(lamp_names[row]);
        lamp->Set_image_list(&GreenLampImages());
        lamp->setFixedSize(16, 16);
        grid->addWidget(lamp, row, 0);
        grid->addWidget(new QLabel(tr(lamp_rows[row])), row, 1);
        m_lamps[static_cast<std::size_t>(row)] = lamp;
    }

    auto *motion_box = value_box(QString(), grid);
    display->addWidget(motion_box, 1, 2);
    grid->addWidget(new QLabel(tr("Track (deg)")), 0, 0);
    add_value(grid, TrackAngle, 0, 1);
    grid->addWidget(new QLabel(tr("Speed (kts)")), 1, 0);
    m_speed_gauge = new TFloatGauge(motion_box);
    m_speed_gauge->setObjectName("GaugeVesselSpeed");
    m_speed_gauge->SetMaxValue(speed_gauge_maximum);
    m_speed_gauge->SeTCGaugeKind(TFloatGauge::EGaugeKind::needle);
    m_speed_gauge->setMinimumSize(96, 64);
    grid->addWidget(m_speed_gauge, 1, 1);
}

void TFormTarvo::set_text(EValue which, const QString &text)
{
    m_values[which]->setText(text);
}

// --- menus -------------------------------------------------------------------------------

void TFormTarvo::add_menu_entries()
{
    constexpr auto always = EMenu_rule::always;
    QMenu *settings = menu("Settings1");
    menu_entry("InputOutputPorts1")->setVisible(false);
    QMenu *ports = settings->addMenu(tr("Input/&Output Ports"));
    ports->setObjectName("InputOutputPortsMenu");
    add_entry(ports, tr("&Serial/Analog..."), "SerialAnalog1", always, nullptr);
    QAction *ethernet = add_entry(ports, tr("&Ethernet..."), "EthernetPorts1", always, nullptr);
    add_entry(settings, tr("&Vistrel Settings..."), "VistrelSettings1", always, nullptr);
    add_entry(settings, tr("&Quillan Settings..."), "QuillanSettings1", always, nullptr);
    add_entry(settings, tr("Yaw &Drift Correction..."), "YawDriftCorrection1", always, nullptr);
    m_free_inertial = add_entry(menu("Mode1"), tr("Free Inertial"), "FreeInertial1",
                                EMenu_rule::controller, [this] { FreeInertial1Click(); });
    m_free_inertial->setCheckable(true);
    m_free_inertial->setVisible(false);

    QMenu *view = menu("View1");
    menu_entry("SensorNavigation1")->setText(tr("&Reference Frame Navigation..."));
    menu_entry("KalmanState1")->setText(tr("&1 Kalman Filter State..."));
    menu_entry("KalmanMeasurements1")->setText(tr("&2 Kalman Measurements..."));
    menu_entry("TwanKalmanState1")->setText(tr("&3 TWAN Kalman Filter State..."));
    menu_entry("TwanKalmanMeasurements1")->setText(tr("&4 TWAN Kalman Measurements..."));
    add_entry(view, tr("Gim&bal Data..."), "GimbalData1", always, nullptr);
    add_entry(view, tr("&Target Reference Position..."), "TargetReference1", always, nullptr);
    add_entry(view, tr("&Laser Range Finder..."), "LaserRangeFinder1", always, nullptr);
    add_entry(view, tr("&Yaw Drift Correction..."), "YawDriftData1", always, nullptr);
    add_entry(view, tr("&User Time Data..."), "UserTimeData1", always, nullptr);
    add_entry(view, tr("Li&dar Range ..."), "LidarRange1", always, nullptr);

    QMenu *tools = menu("Tools1");
    add_entry(tools, tr("&DDE Debug"), "DdeDebug1", always, nullptr);
    add_entry(tools, tr("Lidar &Q560 Tool"), "LidarQ5601", always, nullptr);
    add_entry(tools, tr("&Lidar Q240 Tool"), "LidarQ2401", always, nullptr);

    QMenu *system = menu("System1");
    add_entry(system, tr("Laser Range &Finder..."), "LaserRangeFinderStatus1", always, nullptr);
    add_entry(system, tr("Gim&bal..."), "GimbalStatus1", always, nullptr);
    QMenu *auxiliary = system->addMenu(tr("Au&xiliary GPS"));
    auxiliary->setObjectName("AuxiliaryGps1");
    add_entry(auxiliary, tr("Auxiliary &1"), "Auxiliary11", always, nullptr);
    add_entry(auxiliary, tr("Auxiliary &2"), "Auxiliary21", always, nullptr);
    add_entry(system, tr("Lidar Status..."), "LidarStatusView1", always, nullptr);
    show_lidar_entries(false);

    // One computer model has a Hotlink interface in place of the Ethernet one.
    auto hotlink_captions = [this, ethernet] {
        const bool hotlink = Program().options.has_hotlink_interface();
        ethernet->setText(hotlink ? tr("&Hotlink/Ethernet...") : tr("&Ethernet..."));
        menu_entry("EthernetLogging1")
            ->setText(hotlink ? tr("&Hotlink/Ethernet Logging...") : tr("&Ethernet Logging..."));
    };
    connect(ports, &QMenu::aboutToShow, this, hotlink_captions);
    connect(menu("Logging1"), &QMenu::aboutToShow, this, hotlink_captions);
}

void TFormTarvo::show_lidar_entries(bool shown)
{
    for (const char *name :
         {"LidarQ5601", "LidarQ2401", "LidarStatusView1", "QuillanSettings1", "LidarRange1"}) {
        menu_entry(name)->setVisible(shown);
    }
}

void TFormTarvo::FreeInertial1Click()
{
    m_free_inertial->setChecked(!m_free_inertial->isChecked());
    CMessage20202 mode;
    mode.mode_type().set(m_free_inertial->isChecked() ? 1 : 0);
    send_message(mode);
}

// --- received data -----------------------------------------------------------------------

bool TFormTarvo::UpdateFromGroup(int argument)
{
    TFormMain::UpdateFromGroup(argument);
    // The navigation solution and its accuracy come many times a second: they are taken in every
    // time and shown at the screen's pace.
    if (m_navigation->is_current()) {
        m_navigation_copy.take(*m_navigation);
        m_navigation_taken = true;
        m_pace.request();
        return true;
    }
    if (m_accuracy->is_current()) {
        m_accuracy_copy.take(*m_accuracy);
        m_accuracy_taken = true;
        m_pace.request();
        return true;
    }
    if (show_pulses(*m_event1, EventTime1, EventCount1) ||
        show_pulses(*m_event2, EventTime2, EventCount2) || show_pulses(*m_pps, PpsTime, PpsCount)) {
        return true;
    }
    bool mine = false;
    if (m_disk->is_current()) {
        show_disk();
        mine = true;
    }
    if (m_versions->is_current()) {
        show_versions();
        mine = true;
    }
    if (m_imu->is_current()) {
        if (m_imu->holds(m_imu->imu_type())) {
            m_imu_type = m_imu->imu_type().get();
        }
        mine = true;
    }
    if (m_lidar->is_current()) {
        show_lidar();
        mine = true;
    }
    if (m_status->is_current()) {
        show_status_words();
        mine = true;
    }
    return mine;
}

void TFormTarvo::show_navigation()
{
    CGroup1 &group = m_navigation_copy.record();
    auto value = [&group](auto &item) {
        return FormatValue(three_decimals, item.get(), group.has_value(item));
    };
    TLat_lon_alt<double> &position = group.position();
    set_text(Latitude, group.has_value(position.latitude())
                           ? FormatLatitude(position.latitude().get(), seconds_decimals)
                           : not_available());
    set_text(Longitude, group.has_value(position.longitude())
                            ? FormatLongitude(position.longitude().get(), seconds_decimals)
                            : not_available());
    set_text(Altitude, value(position.altitude()));
    set_text(North, value(group.velocity().north()));
    set_text(East, value(group.velocity().east()));
    set_text(Down, value(group.velocity().down()));
    set_text(Roll, value(group.attitude().roll()));
    set_text(Pitch, value(group.attitude().pitch()));
    TScalar<double> &heading = group.attitude().heading();
    set_text(Heading, FormatAngle360(heading.get(), group.has_value(heading)));
    set_text(TrackAngle,
             FormatAngle360(group.track_angle().get(), group.has_value(group.track_angle())));
    m_speed_gauge->SetPosition(
        group.has_value(group.speed()) ? group.speed().get() * knots_per_metre_per_second : 0.0);
    for (int axis = 0; axis < 3; ++axis) {
        set_text(static_cast<EValue>(LongitudinalAngRate + axis),
                 value(group.angular_rate().component(static_cast<std::size_t>(axis))));
        set_text(static_cast<EValue>(LongitudinalAccel + axis),
                 value(group.angular_accel().component(static_cast<std::size_t>(axis))));
    }
}

// --- plotting ---------------------------------------------------------------------------------

std::optional<SPlot_source> TFormTarvo::plot_source(const QString &control)
{
    for (int which = 0; which < value_count; ++which) {
        if (m_values[which] == nullptr || m_values[which]->objectName() != control) {
            continue;
        }
        if (auto sample =
                NavigationSampleOf(static_cast<EValue>(which), *m_navigation, *m_accuracy)) {
            return SPlot_source{objectName(), control, control, std::move(sample)};
        }
    }
    return std::nullopt;
}

void TFormTarvo::offer_plotting()
{
    for (int which = 0; which < value_count; ++which) {
        if (m_values[which] != nullptr &&
            NavigationSampleOf(static_cast<EValue>(which), *m_navigation, *m_accuracy)) {
            TValueLabel *label = m_values[which];
            OfferPlotting(
                *label, [this, label](QPoint) { return plot_source(label->objectName()); },
                [this](QMenu &menu, QPoint global_pos) { add_popup_entries(menu, global_pos); });
        }
    }
}

void TFormTarvo::show_accuracy()
{
    CGroup2 &group = m_accuracy_copy.record();
    auto show_triple = [&group, this](auto &triple, EValue first) {
        for (std::size_t axis = 0; axis < 3; ++axis) {
            auto &item = triple.component(axis);
            set_text(static_cast<EValue>(first + static_cast<int>(axis)),
                     FormatValue(three_decimals, item.get(), group.has_value(item)));
        }
    };
    show_triple(group.rms_position(), LatitudeAcc);
    show_triple(group.rms_velocity(), NorthAcc);
    show_triple(group.rms_attitude(), RollAcc);
}

bool TFormTarvo::show_pulses(CPulse_group &group, EValue time, EValue count)
{
    if (!group.is_current()) {
        return false;
    }
    TScalar<std::uint32_t> &pulse = group.pulse_number();
    set_text(count, FormatCount(pulse.get(), group.has_value(pulse)));
    TScalar<double> &time_1 = group.header().time_1();
    set_text(time, group.has_value(time_1)
                       ? FormatTimeTag(time_1.get(),
                                       group.header().time_types().time_type_1().get(), true)
                       : not_available());
    return true;
}

// Disk usage in whole percent, kept within 0 to 100 even when a frame says more remains than
// there is in all.
void TFormTarvo::show_disk()
{
    CGroup8 &group = *m_disk;
    const bool known = group.has_value(group.kbytes_total()) &&
                       group.has_value(group.kbytes_remaining()) && group.kbytes_total().get() > 0;
    int percent = 0;
    if (known) {
        const double total = group.kbytes_total().get();
        const double used = total - static_cast<double>(group.kbytes_remaining().get());
        percent = std::clamp(static_cast<int>(std::floor(used / total * 100.0 + 0.5)), 0, 100);
    }
    m_disk_gauge->SetForeColor(percent > 90   ? QColor(Qt::red)
                               : percent > 75 ? QColor(Qt::yellow)
                                              : QColor(0x32, 0xCD, 0x32));
    m_disk_gauge->SetPosition(percent);
}

void TFormTarvo::show_versions()
{
    if (m_versions->holds(m_versions->koru_version())) {
        m_imu_not_fitted = m_versions->koru_version().text().find("IMU0") != std::string_view::npos;
    }
}

void TFormTarvo::show_lidar()
{
    ++m_lidar_groups;
    m_lidar_caption->show();
    show_lidar_entries(true);
    CGroup20202 &group = *m_lidar;
    const std::uint32_t mode =
        group.holds(group.reserved_int_1()) ? group.reserved_int_1().get() : 0;
    const std::uint16_t state =
        group.holds(group.data_port_status()) ? group.data_port_status().get() : 0;
    // The lidar's own state, or (state 1 when the card logs for it) what the PC card is doing.
    static const char *const states[] = {nullptr, "On/Logging", "On/No Logging", "Failure", "Off"};
    QString text = not_available();
    if (mode == 1) {
        if (is_controller() && state >= 1 && state <= 4) {
            text = tr(states[state]);
        }
    } else if (state == 1) {
        const QString card = m_values[ScsiStatus]->text();
        text = card == "Idle"        ? tr("On/No Logging")
               : card == "Writing"   ? tr("On/Logging")
               : card == "Buffering" ? tr("On/Buffering")
                                     : tr("On/Error");
    } else if (state >= 2 && state <= 4) {
        text = tr(states[state]);
    }
    set_text(LidarStatus, text);
}

void TFormTarvo::show_status_words()
{
    // The lidar display goes when Group 101 keeps coming without news from the lidar.
    if (m_lidar_caption->isVisibleTo(this)) {
        m_lidar_staleness = m_lidar_groups == m_lidar_groups_seen ? m_lidar_staleness + 1 : 0;
        m_lidar_groups_seen = m_lidar_groups;
        if (m_lidar_staleness > lidar_staleness_limit) {
            m_lidar_caption->hide();
            menu_entry("LidarQ2401")->setVisible(false);
            menu_entry("LidarStatusView1")->setVisible(false);
            m_lidar_staleness = 0;
        }
    }

    const SStatus_words words = status_words_of(*m_status);
    const EChecked_mode mode = checked_mode();
    set_text(KoruMode, ModeText(mode, words, ETextForm::words));
    m_values[KoruMode]->SetTextColour(ModeColour(words));
    const bool imu_not_applicable = m_imu_not_fitted && m_imu_type != imu_type_with_status;
    set_text(ImuStatus, imu_not_applicable ? ImuNotFittedText(ETextForm::words)
                                           : ImuStatusText(words, ETextForm::words));
    m_values[ImuStatus]->SetTextColour(imu_not_applicable ? QColor(Qt::black) : ImuStatusColour(words));
    set_text(GpsStatus, GnssStatusText(words, ETextForm::words) + OmniStarSuffix(words));
    m_values[GpsStatus]->SetTextColour(GnssStatusColour(words));
    set_text(GimbalStatus, GimbalStatusText(words, ETextForm::words));
    m_values[GimbalStatus]->SetTextColour(GimbalStatusColour(words));
    set_text(ScsiStatus, PcCardStatusText(words, ETextForm::words).mid(pc_card_prefix_length));
    m_values[ScsiStatus]->SetTextColour(PcCardStatusColour(words));

    m_free_inertial->setVisible(Program().options.advanced_menus);
    m_free_inertial->setChecked(
        is_bit_set(words.general_a, CGen_status_a::bits::free_inertial_mode));
    for (int lamp = 0; lamp < lamp_count; ++lamp) {
        m_lamps[static_cast<std::size_t>(lamp)]->Set_state(
            is_bit_set(words.general_b, lamp_bits[lamp]));
    }
}

// After connecting, the third notification with the computer's display group list switches the
// event, PPS and disk displays on. While the user edits the display port's selection the request
// waits for the next notification after the dialog has closed.
bool TFormTarvo::UpdateFromMessage(int argument)
{
    TFormMain::UpdateFromMessage(argument);
    if (!is_controller()) {
        m_group_request_countdown = 3;
        return false;
    }
    if (!m_display_groups->is_current()) {
        return false;
    }
    const IGroup_requester *requester = Program().group_requester;
    if (m_group_request_countdown == 1 && requester != nullptr && requester->shown()) {
        return false;
    }
    if (m_group_request_countdown == 1) {
        for (const std::uint16_t group : requested_after_connect) {
            RequestGroup(group);
        }
    }
    if (m_group_request_countdown > 0) {
        --m_group_request_countdown;
    }
    return false;
}

void TFormTarvo::ResetDisplay(int argument)
{
    TFormMain::ResetDisplay(argument);
    m_pace.cancel();
    m_navigation_taken = false;
    m_accuracy_taken = false;
    m_group_request_countdown = 3;
    for (TValueLabel *label : m_values) {
        label->clear();
    }
    m_disk_gauge->Clear();
    m_speed_gauge->Clear();
    for (CLed_image *lamp : m_lamps) {
        lamp->Set_state(false);
    }
    Program().options.model_code.clear();
}

void TFormTarvo::RefreshDisplay()
{
    m_pace.fill_now();
}

// The newest navigation solution and accuracy taken in, each once.
void TFormTarvo::fill()
{
    if (m_navigation_taken) {
        m_navigation_taken = false;
        show_navigation();
    }
    if (m_accuracy_taken) {
        m_accuracy_taken = false;
        show_accuracy();
    }
}

void TFormTarvo::SetDataStale(bool stale)
{
    show_values_stale(stale);
}

// --- showing and closing ----------------------------------------------------------------

// The main form is shown by the program, not through ShowView, and rescales all the same.
void TFormTarvo::showEvent(QShowEvent *event)
{
    if (m_first_height == 0) {
        m_first_height = height();
    }
    mark_shown_by_show_view();
    TFormMain::showEvent(event);
    setMinimumSize(readable_minimum_size());
    RefreshDisplay();
}

// Never narrower than the tool bar up to the Monitor button, nor lower than nine tenths of the
// height it first had, nor smaller than its content at the smallest font.
QSize TFormTarvo::readable_minimum_size() const
{
    const QSize readable = TFormMain::readable_minimum_size();
    const int tool_bar_width =
        tool_bar()->x() + monitor_button()->x() + monitor_button()->width() + 10;
    return {std::max(readable.width(), tool_bar_width),
            std::max(readable.height(), m_first_height * 9 / 10)};
}

bool TFormTarvo::FormCloseQuery()
{
    if (Program().dde_server != nullptr && Program().dde_server->conversation_active()) {
        SMessage_box box;
        box.parent = this;
        box.icon = QMessageBox::Warning;
        box.caption = QString::fromLatin1(application_title);
        box.text = tr("Cannot shutdown controller!\nDDE connection still active.");
        box.stays_on_top = true;
        ShowMessageBox(box);
        return false;
    }
    return TFormMain::FormCloseQuery();
}
