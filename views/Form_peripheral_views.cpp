#include "views/Form_peripheral_views.h"

namespace {

const CText_rule three_decimals = CText_rule::picture("0.000");

QString not_available()
{
    return LoadText(string_id::not_available);
}

// Time tag 1 or 2 of the group's header with the suffix of its time type.
QString time_tag(CGroup_record &group, int tag)
{
    CGroup_header &header = group.header();
    TScalar<double> &time = tag == 1 ? header.time_1() : header.time_2();
    if (!group.has_value(time)) {
        return not_available();
    }
    const int type = tag == 1 ? header.time_types().time_type_1().get()
                              : header.time_types().time_type_2().get();
    return FormatTimeTag(time.get(), type, false);
}

QStringList widest_time_tags()
{
    QStringList texts{not_available()};
    for (int type = 0; type < 4; ++type) {
        texts.append(FormatTimeTag(9999.0 * 3600.0 + 3599.0, type, false));
    }
    return texts;
}

template <class TGroup>
void add_time_tags(CView_box &box, TView_group<TGroup> &group)
{
    box.derived<TGroup>(
        QObject::tr("Time 1"), group, [](TGroup &record) { return time_tag(record, 1); },
        widest_time_tags());
    box.derived<TGroup>(
        QObject::tr("Time 2"), group, [](TGroup &record) { return time_tag(record, 2); },
        widest_time_tags());
}

bool laser_range_invalid(CGroup20201 &group)
{
    return !BitSet(group, group.lrf_status(), CLrf_status::bits::range_valid);
}

bool radar_height_invalid(CGroup20201 &group)
{
    return !BitSet(group, group.lrf_status(), CLrf_status::bits::height_valid);
}

bool position_valid(CGroup201 &group)
{
    return BitSet(group, group.status(), CGroup201_status::bits::position_valid);
}

// The kind of range the target position was computed from.
QString target_source(CGroup201 &group)
{
    using bits = CGroup201_status::bits;
    if (!group.has_value(group.status())) {
        return not_available();
    }
    if (BitSet(group, group.status(), bits::range_from_laser)) {
        return QObject::tr("Laser");
    }
    if (BitSet(group, group.status(), bits::range_from_radar)) {
        return QObject::tr("Radar Altimeter");
    }
    if (BitSet(group, group.status(), bits::range_from_gps)) {
        return QObject::tr("GPS");
    }
    return QObject::tr("Unknown");
}

} // namespace

TFormLrfStatus::TFormLrfStatus(QWidget *parent)
    : TFormStatusWindow("FormLrfStatus", tr("Laser Range Finder Status"), parent)
{
    using G = CGroup20201;
    show_table<G>({
        {"Proxies",
         {{"ARM Proxies", &G::arm_proxies},
          {"Proxy Exceptions", &G::proxy_exceptions},
          {"Proxies Queued", &G::proxies_queued},
          {"Read Failures", &G::read_failures}}},
        {"Laser Range Finder Output",
         {{"Laser Range", &G::raw_laser_range},
          TStatus_row<G>::flag("(Invalid)", laser_range_invalid, "LaserRangeInvalid"),
          {"Radar Height", &G::raw_radar_height},
          TStatus_row<G>::flag("(Invalid)", radar_height_invalid, "RadarHeightInvalid"),
          {"Messages Received", &G::messages_received},
          {"Checksum Errors", &G::checksum_errors}}},
        {"PVA Filter",
         {{"Laser Range", &G::laser_range_runs},
          {"Laser Range", &G::laser_range_resets},
          {"Radar Height", &G::radar_height_runs},
          {"Radar Height", &G::radar_height_resets}},
         {"Runs", "Resets"}},
    });
}

TFormGimbalStatus::TFormGimbalStatus(QWidget *parent)
    : TFormStatusWindow("FormGimbalStatus", tr("Gimbal Processor Status"), parent)
{
    using G = CGroup20200;
    const auto runs = [](CPva_data &(G::*filter)()) {
        return [filter](G & group) -> auto &
        {
            return (group.*filter)().runs();
        };
    };
    const auto resets = [](CPva_data &(G::*filter)()) {
        return [filter](G & group) -> auto &
        {
            return (group.*filter)().resets();
        };
    };
    show_table<G>({
        {"Execution", {{"Processor Calls", &G::processor_calls}}},
        {"Gimbal Messages",
         {{"Messages Received", &G::messages_received},
          {"Messages Rejected", &G::messages_rejected},
          {"Checksum Errors", &G::checksum_errors},
          {"Decode Messages Rejected", &G::decode_messages_rejected}}},
        {"Serial Port",
         {{"Baud Rate", &G::baud_rate},
          {"Port", &G::hardware_port},
          {"Characters Received", &G::characters_received}}},
        {"Proxy Exceptions",
         {{"Scheduler", &G::scheduler_proxy_exceptions},
          {"Message 104", &G::message104_proxy_exceptions}}},
        {"PVA Filter",
         {{"Roll", runs(&G::roll)},
          {"Roll", resets(&G::roll)},
          {"Pitch", runs(&G::pitch)},
          {"Pitch", resets(&G::pitch)},
          {"Heading", runs(&G::heading)},
          {"Heading", resets(&G::heading)}},
         {"Runs", "Resets"}},
    });
}

TFormTargetRefPosition::TFormTargetRefPosition(QWidget *parent)
    : TFormTableView("FormTargetRefPosition", parent)
{
    setWindowTitle(tr("Target Reference Position"));
    auto &target = group<CGroup201>();
    CView_box &box = area(1).box(tr("Target Position"));
    box.derived<CGroup201>(tr("Latitude"), target,
                           [](CGroup201 &group) {
                               return position_valid(group) && group.has_value(group.latitude())
                                          ? FormatLatitude(group.latitude().get(), 2)
                                          : not_available();
                           },
                           {not_available(), FormatLatitude(-89.99, 2), FormatLatitude(89.99, 2)});
    box.derived<CGroup201>(
        tr("Longitude"), target,
        [](CGroup201 &group) {
            return position_valid(group) && group.has_value(group.longitude())
                       ? FormatLongitude(group.longitude().get(), 2)
                       : not_available();
        },
        {not_available(), FormatLongitude(-179.99, 2), FormatLongitude(179.99, 2)});
    box.value(tr("Altitude (m)"), target, &CGroup201::altitude, three_decimals);
    box.value(tr("Range (m)"), target, &CGroup201::range, three_decimals);
    box.value(tr("Bearing (deg)"), target, &CGroup201::bearing, three_decimals);
    box.derived<CGroup201>(
        tr("Source"), target, target_source,
        {not_available(), tr("Laser"), tr("Radar Altimeter"), tr("GPS"), tr("Unknown")});
    box.flag<CGroup201>(
        tr("Position Invalid"), target, [](CGroup201 &group) { return !position_valid(group); },
        "PositionInvalid");
}

TFormGimbalData::TFormGimbalData(QWidget *parent) : TFormTableView("FormGimbalData", parent)
{
    setWindowTitle(tr("Gimbal Encoder Data"));
    auto &encoders = group<CGroup200>();
    CView_box &box = area(1).box(tr("Encoders"));
    box.value(tr("Roll (deg)"), encoders, &CGroup200::roll, three_decimals);
    box.value(tr("Tilt (deg)"), encoders, &CGroup200::tilt, three_decimals);
    box.value(tr("Pan (deg)"), encoders, &CGroup200::pan, three_decimals);
    add_time_tags(box, encoders);
}

TFormLrfData::TFormLrfData(QWidget *parent) : TFormTableView("FormLrfData", parent)
{
    setWindowTitle(tr("Laser Range Finder"));
    auto &ranges = group<CGroup202>();
    CView_box &box = area(1).box(tr("Ranges"));
    using bits = CGroup202_status::bits;
    box.value(tr("Laser Range (m)"), ranges, &CGroup202::laser_range, three_decimals);
    box.flag<CGroup202>(
        tr("(Invalid)"), ranges,
        [](CGroup202 &group) { return !BitSet(group, group.status(), bits::laser_range_valid); },
        "LaserRangeInvalid");
    box.value(tr("Radar Height (m)"), ranges, &CGroup202::laser_altitude, three_decimals);
    box.flag<CGroup202>(
        tr("(Invalid)"), ranges,
        [](CGroup202 &group) { return !BitSet(group, group.status(), bits::laser_altitude_valid); },
        "RadarHeightInvalid");
}

TFormUserTime::TFormUserTime(QWidget *parent) : TFormTableView("FormUserTime", parent)
{
    setWindowTitle(tr("User Time Data"));
    CView_page &shared = area(1);
    add_rows<CGroup204>(shared.box(tr("User Time")));
    shared.again();
    add_rows<CGroup17>(shared.box(tr("User Time")));
}

template <class TGroup>
void TFormUserTime::add_rows(CView_box &box)
{
    auto &shown = group<TGroup>();
    box.value(tr("Resynchronization Count"), shown, &TGroup::resyncs);
    box.value(tr("Time Sync (Message 12) Rejections"), shown, &TGroup::sync_rejections);
    m_time_status = &box.derived<TGroup>(tr("User Time Status"), shown,
                                         [this](TGroup &group) { return time_status(group); },
                                         {not_available(), tr("Valid"), tr("Invalid")});
    box.value(tr("Time Sync (Message 12) Received"), shown, &TGroup::message12_received,
              CText_rule::words({{0, tr("No")}}, tr("Yes")));
    add_time_tags(box, shown);
}

QString TFormUserTime::time_status(CUser_time_group &group)
{
    if (!group.has_value(group.time_valid())) {
        m_time_status->setStyleSheet(QString());
        return not_available();
    }
    const bool valid = group.time_valid().get() != 0;
    m_time_status->setStyleSheet(valid ? QStringLiteral("color: darkgreen")
                                       : QStringLiteral("color: red"));
    return valid ? tr("Valid") : tr("Invalid");
}
