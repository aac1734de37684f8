#include "settings/logging_groups.h"

#include "platform/user_feedback.h"
#include "resources/texts.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QListWidget>

#include <algorithm>
#include <array>
#include <initializer_list>

namespace {

struct SGroup_name {
    std::uint16_t group;
    const char *name;
};

// The names of the groups the lists offer. A group without a name here is shown by its number.
constexpr SGroup_name group_names[] = {
    {1, QT_TRANSLATE_NOOP("GroupLines", "Position, Velocity, Attitude, Dynamics...")},
    {2, QT_TRANSLATE_NOOP("GroupLines", "RMS Performance")},
    {3, QT_TRANSLATE_NOOP("GroupLines", "Primary GPS Status")},
    {4, QT_TRANSLATE_NOOP("GroupLines", "IMU Data")},
    {5, QT_TRANSLATE_NOOP("GroupLines", "Event 1")},
    {6, QT_TRANSLATE_NOOP("GroupLines", "Event 2")},
    {7, QT_TRANSLATE_NOOP("GroupLines", "PPS Time Recovery")},
    {8, QT_TRANSLATE_NOOP("GroupLines", "PC Card Logging Information")},
    {99, QT_TRANSLATE_NOOP("GroupLines", "Version and Statistics 1")},
    {101, QT_TRANSLATE_NOOP("GroupLines", "General Status and Fault Detection")},
    {102, QT_TRANSLATE_NOOP("GroupLines", "Sensor 1 Navigation Solution")},
    {103, QT_TRANSLATE_NOOP("GroupLines", "Sensor 2 Navigation Solution")},
    {104, QT_TRANSLATE_NOOP("GroupLines", "Sensor 1 Performance")},
    {105, QT_TRANSLATE_NOOP("GroupLines", "Sensor 2 Performance")},
    {106, QT_TRANSLATE_NOOP("GroupLines", "Secondary GPS Status")},
    {107, QT_TRANSLATE_NOOP("GroupLines", "Auxiliary GPS Status")},
    {108, QT_TRANSLATE_NOOP("GroupLines", "Version and Statistics 2")},
    {109, QT_TRANSLATE_NOOP("GroupLines", "TWAN Solution")},
    {110, QT_TRANSLATE_NOOP("GroupLines", "Raw Auxiliary GPS Message")},
    {200, QT_TRANSLATE_NOOP("GroupLines", "Gimbal Encoder Data")},
    {201, QT_TRANSLATE_NOOP("GroupLines", "Target Reference Position")},
    {202, QT_TRANSLATE_NOOP("GroupLines", "Laser Range Finder Data")},
    {203, QT_TRANSLATE_NOOP("GroupLines", "Yaw Drift Correction Data")},
    {204, QT_TRANSLATE_NOOP("GroupLines", "User Time Status")},
    {206, QT_TRANSLATE_NOOP("GroupLines", "Event 1 Sensor Nav Solution")},
    {207, QT_TRANSLATE_NOOP("GroupLines", "Event 2 Sensor Nav Solution")},
    {208, QT_TRANSLATE_NOOP("GroupLines", "Camera 1 Photo ID")},
    {209, QT_TRANSLATE_NOOP("GroupLines", "Camera 2 Photo ID")},
    {210, QT_TRANSLATE_NOOP("GroupLines", "Real Time Vistrel Event 1")},
    {211, QT_TRANSLATE_NOOP("GroupLines", "Real Time Vistrel Event 2")},
    {10001, QT_TRANSLATE_NOOP("GroupLines", "Raw Primary GPS Data")},
    {10002, QT_TRANSLATE_NOOP("GroupLines", "Raw IMU Data")},
    {10003, QT_TRANSLATE_NOOP("GroupLines", "Raw PPS Data")},
    {10004, QT_TRANSLATE_NOOP("GroupLines", "Raw Event 1")},
    {10005, QT_TRANSLATE_NOOP("GroupLines", "Raw Event 2")},
    {10101, QT_TRANSLATE_NOOP("GroupLines", "Raw Secondary GPS")},
    {10102, QT_TRANSLATE_NOOP("GroupLines", "Raw Auxiliary GPS")},
    {10200, QT_TRANSLATE_NOOP("GroupLines", "Raw Gimbal Encoder Data")},
    {10201, QT_TRANSLATE_NOOP("GroupLines", "Raw Laser Range Finder Data")},
    {20101, QT_TRANSLATE_NOOP("GroupLines", "Kalman Filter Data Set A")},
    {20102, QT_TRANSLATE_NOOP("GroupLines", "Kalman Filter Data Set B")},
    {20103, QT_TRANSLATE_NOOP("GroupLines", "TWAN Kalman Filter Data Set A")},
    {20104, QT_TRANSLATE_NOOP("GroupLines", "TWAN Kalman Filter Data Set B")},
    {20105, QT_TRANSLATE_NOOP("GroupLines", "Processor Load")},
    {20106, QT_TRANSLATE_NOOP("GroupLines", "IIN CSC Status")},
    {20107, QT_TRANSLATE_NOOP("GroupLines", "IIN Update CSC Status")},
    {20108, QT_TRANSLATE_NOOP("GroupLines", "IIN Prefilter CSC Status")},
    {20109, QT_TRANSLATE_NOOP("GroupLines", "IIN Extrapolate CSC Status")},
    {20110, QT_TRANSLATE_NOOP("GroupLines", "Discrete CSC Status")},
    {20111, QT_TRANSLATE_NOOP("GroupLines", "IMU CSC Status")},
    {20112, QT_TRANSLATE_NOOP("GroupLines", "Primary GPS CSC Status")},
    {20113, QT_TRANSLATE_NOOP("GroupLines", "Secondary GPS CSC Status")},
    {20114, QT_TRANSLATE_NOOP("GroupLines", "COM1 (NMEA) Port CSC Status")},
    {20115, QT_TRANSLATE_NOOP("GroupLines", "Output Manager CSC Status")},
    {20116, QT_TRANSLATE_NOOP("GroupLines", "Input Manager CSC Status")},
    {20117, QT_TRANSLATE_NOOP("GroupLines", "TWAN CSC Status")},
    {20118, QT_TRANSLATE_NOOP("GroupLines", "System Monitor CSC Status")},
    {20119, QT_TRANSLATE_NOOP("GroupLines", "COM2 (Binary) Port CSC Status")},
    {20120, QT_TRANSLATE_NOOP("GroupLines", "PC Card Logging CSC Status")},
    {20121, QT_TRANSLATE_NOOP("GroupLines", "Analog Port CSC Status")},
    {20122, QT_TRANSLATE_NOOP("GroupLines", "Auxiliary 1 GPS CSC Status")},
    {20123, QT_TRANSLATE_NOOP("GroupLines", "Auxiliary 2 GPS CSC Status")},
    {20124, QT_TRANSLATE_NOOP("GroupLines", "Primary Logging Port CSC Status")},
    {20125, QT_TRANSLATE_NOOP("GroupLines", "Secondary Logging Port CSC Status")},
    {20126, QT_TRANSLATE_NOOP("GroupLines", "Display Port CSC Status")},
    {20200, QT_TRANSLATE_NOOP("GroupLines", "Gimbal CSC Status")},
    {20201, QT_TRANSLATE_NOOP("GroupLines", "Laser Range Finder CSC Status")},
    {20202, QT_TRANSLATE_NOOP("GroupLines", "Lidar Interface Status")},
};

// A run of consecutive group numbers, first to last; a single group is a run of one.
struct SGroup_run {
    std::uint16_t first;
    std::uint16_t last;
};

// The groups of `runs` in order, exactly `count` of them.
template <std::size_t count>
constexpr std::array<std::uint16_t, count> groups_of(std::initializer_list<SGroup_run> runs)
{
    std::array<std::uint16_t, count> groups{};
    std::size_t at = 0;
    for (const SGroup_run run : runs) {
        for (unsigned group = run.first; group <= run.last; ++group) {
            groups.at(at++) = static_cast<std::uint16_t>(group);
        }
    }
    if (at != count) {
        throw "the runs do not hold as many groups as the list";
    }
    return groups;
}

// The groups the PC card may record, in list order.
constexpr auto pc_card_groups = groups_of<67>(
    {{1, 8},         {101, 102},     {104, 104},     {106, 110},     {200, 212},
     {10001, 10005}, {10101, 10102}, {10200, 10202}, {20101, 20126}, {20200, 20201}});

// The groups the computer may broadcast on its display port, in list order.
constexpr auto display_port_groups = groups_of<53>(
    {{1, 8}, {99, 99}, {101, 102}, {104, 104}, {106, 110}, {200, 205}, {212, 212},
     {20101, 20126}, {20200, 20202}});

// The groups the computer may stream on its logging ports, in list order.
constexpr auto ethernet_logging_groups = groups_of<67>(
    {{1, 8},         {101, 102},     {104, 104},     {106, 110},     {200, 212},
     {10001, 10005}, {10101, 10102}, {10200, 10201}, {20101, 20126}, {20200, 20202}});

constexpr std::uint16_t post_processing_groups[] = {1,   2,     4,     5,     6,     101,
                                                    200, 10001, 10101, 10102, 20101, 20102};

constexpr std::uint16_t imu_data_group = 4;
constexpr std::uint16_t status_group = 101;
constexpr int group_101_question = 14026;

// The rates a logging port offers, in Hz, and what the IMU's data-rate codes stand for.
constexpr int logging_rates[] = {1, 2, 10, 20, 25, 50, 100, 200};
constexpr int imu_rates[] = {50, 100, 200, 400, 125, 500, 250, 300};

// Numbers below 100 are padded with two blanks a missing digit, as the lists align them.
QString padded_number(int number)
{
    const int digits = number >= 100 ? 3 : number >= 10 ? 2 : 1;
    return QString(2 * (3 - digits), ' ') + QString::number(number);
}

// "   1 Hz", " 10 Hz", "100 Hz".
QString rate_text(int hz)
{
    const int blanks = hz >= 100 ? 0 : hz >= 10 ? 1 : 3;
    return QString(blanks, ' ') + QString::number(hz) + QStringLiteral(" Hz");
}

} // namespace

QString GroupLineText(std::uint16_t group)
{
    const QString number = padded_number(group);
    for (const SGroup_name &named : group_names) {
        if (named.group == group) {
            return number + ' ' + QCoreApplication::translate("GroupLines", named.name);
        }
    }
    return number;
}

void FillGroupLines(QListWidget &list, std::span<const std::uint16_t> groups)
{
    list.clear();
    for (const std::uint16_t group : groups) {
        auto *line = new QListWidgetItem(GroupLineText(group), &list);
        line->setFlags(line->flags() | Qt::ItemIsUserCheckable);
        line->setCheckState(Qt::Unchecked);
        line->setData(Qt::UserRole, group);
    }
}

void CheckGroupLines(QListWidget &list, std::span<const std::uint16_t> groups)
{
    for (int line = 0; line < list.count(); ++line) {
        const auto group = static_cast<std::uint16_t>(list.item(line)->data(Qt::UserRole).toUInt());
        const bool listed = std::find(groups.begin(), groups.end(), group) != groups.end();
        list.item(line)->setCheckState(listed ? Qt::Checked : Qt::Unchecked);
    }
}

int GroupLine(const QListWidget &list, std::uint16_t group)
{
    for (int line = 0; line < list.count(); ++line) {
        if (list.item(line)->data(Qt::UserRole).toUInt() == group) {
            return line;
        }
    }
    return -1;
}

void OfferGroup101(QListWidget &list, QWidget *parent, const QString &caption)
{
    const int line = GroupLine(list, status_group);
    if (line < 0 || list.item(line)->checkState() == Qt::Checked) {
        return;
    }
    SMessage_box box;
    box.parent = parent;
    box.icon = QMessageBox::Question;
    box.caption = caption;
    box.text = LoadText(group_101_question);
    box.buttons = QMessageBox::Yes | QMessageBox::No;
    if (ShowMessageBox(box) == QMessageBox::Yes) {
        list.item(line)->setCheckState(Qt::Checked);
    }
}

std::span<const std::uint16_t> PcCardLoggingGroups()
{
    return pc_card_groups;
}

std::span<const std::uint16_t> DisplayPortGroups()
{
    return display_port_groups;
}

std::span<const std::uint16_t> EthernetLoggingGroups()
{
    return ethernet_logging_groups;
}

std::span<const std::uint16_t> PostProcessingGroups()
{
    return post_processing_groups;
}

std::optional<int> ImuRateOf(std::uint8_t code)
{
    if (code >= std::size(imu_rates)) {
        return std::nullopt;
    }
    return imu_rates[code];
}

QString ImuDataLineText(std::optional<int> imu_rate)
{
    QString text = GroupLineText(imu_data_group);
    if (imu_rate) {
        text += QStringLiteral(" (%1 Hz)").arg(*imu_rate);
    }
    return text;
}

void ShowImuRate(QListWidget &list, QComboBox &rates, std::optional<int> imu_rate)
{
    const int line = GroupLine(list, imu_data_group);
    if (line >= 0) {
        list.item(line)->setText(ImuDataLineText(imu_rate));
    }
    FillLoggingRates(rates, imu_rate);
}

void FillLoggingRates(QComboBox &rates, std::optional<int> imu_rate)
{
    const QVariant chosen = rates.currentData();
    rates.clear();
    for (const int hz : logging_rates) {
        if (!imu_rate || hz < *imu_rate) {
            rates.addItem(rate_text(hz), hz);
        }
    }
    if (imu_rate) {
        rates.addItem(rate_text(*imu_rate), *imu_rate);
    }
    rates.setCurrentIndex(chosen.isValid() ? rates.findData(chosen) : -1);
}
