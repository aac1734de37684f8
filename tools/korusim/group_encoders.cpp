#include "tools/korusim/group_encoders.h"

#include "tools/korusim/iin_tasks.h"
#include "tools/korusim/navigator_groups.h"
#include "tools/korusim/peripherals.h"
#include "tools/korusim/subsystem_status.h"

#include "protocol/navigation_groups.h"
#include "views/gps_data_records.h"
#include "protocol/wire.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numbers>

namespace {

// Time Type 1 is UTC time of day, Time Type 2 the computer's own time; the distance tag is the
// computer's own distance.
constexpr std::uint8_t utc_time = 2;
constexpr std::uint8_t koru_time = 0;
constexpr std::uint8_t koru_distance = 1;

// Rates unless the command line says otherwise.
constexpr double fast = 10;
constexpr double slow = 1;

constexpr std::uint32_t characters_per_read = 64;

template <class T>
void set_triple(TTriple<T> &triple, const Vector3 &values)
{
    for (std::size_t i = 0; i < 3; ++i) {
        triple.component(i).set(static_cast<T>(values[i]));
    }
}

template <class T>
void set_triple_invalid(TTriple<T> &triple)
{
    for (std::size_t i = 0; i < 3; ++i) {
        triple.component(i).set_invalid();
    }
}

void set_header_times(CGroup_header &header, const SSnapshot &snapshot, double koru_seconds)
{
    header.time_1().set(snapshot.utc_of(koru_seconds));
    header.time_2().set(koru_seconds);
}

void fill_navigation(CGroup1 &group, const SSnapshot &snapshot)
{
    const SNav_state &nav = snapshot.nav;
    group.position().latitude().set(nav.latitude);
    group.position().longitude().set(nav.longitude);
    group.position().altitude().set(nav.altitude);
    set_triple(group.velocity(), nav.velocity);
    set_triple(group.attitude(), nav.attitude);
    group.wander_angle().set(0.0);
    group.track_angle().set(nav.track);
    group.speed().set(nav.speed);
    set_triple(group.angular_rate(), nav.angular_rate);
    set_triple(group.angular_accel(), nav.acceleration);
    group.solution_status().set(snapshot.status.solution_status);
}

void fill_accuracy(CGroup2 &group, const SSnapshot &snapshot)
{
    const SNav_status &status = snapshot.status;
    if (!status.has_accuracy) {
        set_triple_invalid(group.rms_position());
        set_triple_invalid(group.rms_velocity());
        set_triple_invalid(group.rms_attitude());
        return;
    }
    set_triple(group.rms_position(), status.rms_position);
    set_triple(group.rms_velocity(), status.rms_velocity);
    set_triple(group.rms_attitude(), status.rms_attitude);
}

// Increments over one IMU sample, as counts of `unit`.
Vector3 increments(const Vector3 &rate, double unit)
{
    const double scale = 1.0 / (imu::sample_rate * unit);
    return {std::round(rate[0] * scale), std::round(rate[1] * scale), std::round(rate[2] * scale)};
}

void fill_imu(CGroup4 &group, const SSnapshot &snapshot)
{
    const Vector3 &degrees = snapshot.nav.angular_rate;
    const double radians = std::numbers::pi / 180.0;
    set_triple(group.delta_velocity(), increments(snapshot.nav.specific_force, imu::velocity_unit));
    set_triple(group.delta_angle(),
               increments({degrees[0] * radians, degrees[1] * radians, degrees[2] * radians},
                          imu::angle_unit));
    group.bad_frame_status().set(0);
    group.imu_type().set(snapshot.receivers.imu_type.value_or(imu::imu_type));
    group.data_rate().set(snapshot.imu_data_rate_code);
    group.imu_status().set(snapshot.receivers.imu_status);
}

// A pulse group carries the time of its last pulse in its header.
void fill_pulse(CPulse_group &group, const SPulse_count &pulse, const SSnapshot &snapshot)
{
    group.pulse_number().set(pulse.count);
    set_header_times(group.header(), snapshot, pulse.last);
}

void fill_disk(CGroup8 &group, const SSnapshot &snapshot)
{
    const SDisk_usage &disk = snapshot.disk;
    group.kbytes_remaining().set(disk.kbytes_remaining);
    group.kbytes_logged().set(disk.kbytes_logged);
    group.time_remaining().set(disk.minutes_remaining);
    group.kbytes_total().set(disk.kbytes_total);
}

void fill_status(CGroup_fdir &group, const SSnapshot &snapshot)
{
    group.general_status_a().set(snapshot.status.general_status_a);
    group.general_status_b().set(snapshot.status.general_status_b);
    group.general_status_c().set(snapshot.status.general_status_c);
    const std::uint32_t(&levels)[5] = snapshot.receivers.fdir_levels;
    group.fdir_level_1().set(levels[0]);
    group.fdir_level_1_imu_failures().set(0);
    group.fdir_level_2().set(static_cast<std::uint16_t>(levels[1]));
    group.fdir_level_3().set(static_cast<std::uint16_t>(levels[2]));
    group.fdir_level_4().set(static_cast<std::uint16_t>(levels[3]));
    group.fdir_level_5().set(static_cast<std::uint16_t>(levels[4]));
}

// The satellites a receiver tracks: GPS, GLONASS and SBAS satellites spread round the sky, each
// crossing it slowly; receiver `receiver` sees them from a little further along.
void fill_satellites(CGnss_group &group, const SSnapshot &snapshot, unsigned receiver)
{
    constexpr std::array<std::uint16_t, 3> first_prns{1, 38, 120};
    constexpr double degrees_per_second = 0.05;
    const std::uint8_t reported = snapshot.receivers.sv_count;
    const std::size_t carried = group.set_sv_count(reported);
    group.sv_count().set(reported);
    for (std::size_t k = 0; k < carried; ++k) {
        CSv_data &sv = group.sv()[k];
        const auto system = k % first_prns.size();
        sv.prn().set(static_cast<std::uint16_t>(first_prns[system] + k / first_prns.size() +
                                                receiver));
        sv.status().set(static_cast<std::uint16_t>(k % 12));
        const double phase = static_cast<double>(k) * 37.0 + receiver * 5.0;
        sv.azimuth().set(static_cast<float>(
            std::fmod(phase + snapshot.time * degrees_per_second, 360.0)));
        sv.elevation().set(static_cast<float>(
            10.0 + 75.0 * std::abs(std::sin((phase + snapshot.time * degrees_per_second) *
                                            std::numbers::pi / 360.0))));
        sv.l1_snr().set(static_cast<float>(40.0 + static_cast<double>(k % 8)));
        sv.l2_snr().set(static_cast<float>(30.0 + static_cast<double>(k % 5)));
    }
}

// What the three receivers share: mode, satellites and the solution's quality.
void fill_gnss(CGnss_group &group, const SSnapshot &snapshot, unsigned receiver,
               std::uint8_t mode)
{
    group.gps_mode().set(snapshot.receivers.no_data ? std::uint8_t{0} : mode);
    fill_satellites(group, snapshot, receiver);
    group.hdop().set(0.9f + 0.1f * static_cast<float>(receiver));
    group.vdop().set(1.4f + 0.1f * static_cast<float>(receiver));
    group.dgps_latency().set(1.5f);
    group.reference_station().set(static_cast<std::uint16_t>(100 + receiver));
    group.week_number().set(2318);
    group.time_offset().set(18.0);
    group.nav_latency().set(0.05f);
    group.geoidal_separation().set(18.25f);
}

void fill_receiver(CGnss_receiver_group &group, const SSnapshot &snapshot, unsigned receiver)
{
    fill_gnss(group, snapshot, receiver, receiver == 0 ? 4 : 2);
    group.receiver_type().set(snapshot.receiver_types[receiver]);
    group.receiver_status().set(snapshot.receivers.receiver_status[receiver]);
}

void fill_auxiliary(CGroup107 &group, const SSnapshot &snapshot)
{
    fill_gnss(group, snapshot, 2, 3);
    group.nmea_messages().set(0xF);
    group.aux_data_in_use().set(1);
}

void fill_data_port(CGroup20202 &group, const SSnapshot &snapshot)
{
    group.network_part1().set(snapshot.address[0]);
    group.network_part2().set(snapshot.address[1]);
    group.host_part1().set(snapshot.address[2]);
    group.host_part2().set(snapshot.address[3]);
    group.data_port_status().set(snapshot.lidar_port_status);
    group.received_chars().set(snapshot.data_port_reads * characters_per_read);
    group.reads().set(snapshot.data_port_reads);
    group.last_port_error().set(0);
    group.mpa_request_failures().set(0);
    group.mpa_post_failures().set(0);
    group.mpa_posts().set(snapshot.data_port_reads);
    group.sched_proxy_exceptions().set(0);
    group.pps_proxy_exceptions().set(0);
    group.msg20206_proxy_exceptions().set(0);
    group.msg20206_accepted().set(0);
    group.msg20206_rejected().set(0);
    group.reserved_double_1().set(0.0);
    group.reserved_double_2().set(0.0);
    group.reserved_int_1().set(snapshot.lidar_interface);
    group.reserved_int_2().set(snapshot.lidar_logging_request);
}

template <class TGroup>
TGroup_encoder<TGroup> &add(Group_encoders &encoders, double default_rate,
                            typename TGroup_encoder<TGroup>::Fill fill_group)
{
    auto encoder = std::make_unique<TGroup_encoder<TGroup>>(default_rate, fill_group);
    TGroup_encoder<TGroup> &added = *encoder;
    encoders.push_back(std::move(encoder));
    return added;
}

// A task group of the integrated navigator, sent without its "Data" values in the short form.
template <class TGroup>
void add_iin_task(Group_encoders &encoders, EIin_form form,
                  typename TGroup_encoder<TGroup>::Fill fill_group)
{
    TGroup_encoder<TGroup> &encoder = add<TGroup>(encoders, slow, fill_group);
    if (form == EIin_form::short_form) {
        encoder.leave_off_from(encoder.group().data(0));
    }
}

// A status group with an optional tail, sent without it in the short form.
template <class TGroup>
void add_with_tail(Group_encoders &encoders, EStatus_form form,
                   const CItem &(*first_of_tail)(TGroup &),
                   typename TGroup_encoder<TGroup>::Fill fill_group)
{
    TGroup_encoder<TGroup> &encoder = add<TGroup>(encoders, slow, fill_group);
    if (form == EStatus_form::short_form) {
        encoder.leave_off_from(first_of_tail(encoder.group()));
    }
}

} // namespace

std::span<const std::byte> CGroup_encoder::encode(const SSnapshot &snapshot)
{
    CGroup_record &group = record();
    CGroup_header &header = group.header();
    set_header_times(header, snapshot, snapshot.time);
    header.distance_tag().set(snapshot.nav.distance);
    header.time_types().time_type_1().set(utc_time);
    header.time_types().time_type_2().set(koru_time);
    header.distance_types().distance_type().set(koru_distance);
    fill(snapshot);
    group.footer().compute_checksum();
    const std::span<const std::byte> whole{group.buffer(), group.size()};
    return m_body_end == 0 ? whole : cut(whole);
}

void CGroup_encoder::leave_off_from(const CItem &first_left_off)
{
    CGroup_record &group = record();
    m_body_end = static_cast<std::size_t>(first_left_off.start() - group.buffer());
    m_cut.resize(group.size());
}

std::span<const std::byte> CGroup_encoder::cut(std::span<const std::byte> whole)
{
    const std::size_t pad = CFrame_footer::pad_for(m_body_end);
    const std::size_t length = m_body_end + pad + frame::trailer_length;
    std::copy_n(whole.begin(), m_body_end, m_cut.begin());
    std::fill_n(m_cut.begin() + static_cast<std::ptrdiff_t>(m_body_end), pad, std::byte{0});
    std::memcpy(m_cut.data() + length - frame::end_marker.size(), frame::end_marker.data(),
                frame::end_marker.size());
    wire::store(m_cut.data() + frame::byte_count_offset,
                static_cast<std::uint16_t>(length - frame::prefix_length));
    const std::span<std::byte> shortened{m_cut.data(), length};
    frame::write_checksum(shortened);
    return shortened;
}

Group_encoders make_group_encoders(EIin_form iin_form, EStatus_form status_form,
                                   EAux_count aux_count)
{
    Group_encoders encoders;
    add<CGroup1>(encoders, fast, fill_navigation);
    add<CGroup2>(encoders, slow, fill_accuracy);
    add<CGroup3>(encoders, slow, [](CGroup3 &group, const SSnapshot &snapshot) {
        fill_receiver(group, snapshot, 0);
    });
    add<CGroup4>(encoders, fast, fill_imu);
    add<CGroup5>(encoders, slow, [](CGroup5 &group, const SSnapshot &snapshot) {
        fill_pulse(group, snapshot.event_1, snapshot);
    });
    add<CGroup6>(encoders, slow, [](CGroup6 &group, const SSnapshot &snapshot) {
        fill_pulse(group, snapshot.event_2, snapshot);
    });
    add<CGroup7>(encoders, slow, [](CGroup7 &group, const SSnapshot &snapshot) {
        fill_pulse(group, snapshot.pps, snapshot);
    });
    add<CGroup8>(encoders, slow, fill_disk);
    add<CGroup99>(encoders, slow, fill_versions);
    add<CGroup17>(encoders, slow, [](CGroup17 &group, const SSnapshot &snapshot) {
        fill_user_time(group, snapshot);
    });
    add<CGroup_fdir>(encoders, slow, fill_status);
    add<CGroup106>(encoders, slow, [](CGroup106 &group, const SSnapshot &snapshot) {
        fill_receiver(group, snapshot, 1);
    });
    add<CGroup107>(encoders, slow, fill_auxiliary);
    add<CGroup102>(encoders, slow, [](CGroup102 &group, const SSnapshot &snapshot) {
        fill_sensor_solution(group, snapshot, 1);
    });
    add<CGroup103>(encoders, slow, [](CGroup103 &group, const SSnapshot &snapshot) {
        fill_sensor_solution(group, snapshot, 2);
    });
    add<CGroup104>(encoders, slow, [](CGroup104 &group, const SSnapshot &snapshot) {
        fill_sensor_performance(group, snapshot);
    });
    add<CGroup105>(encoders, slow, [](CGroup105 &group, const SSnapshot &snapshot) {
        fill_sensor_performance(group, snapshot);
    });
    add<CGroup108>(encoders, slow, fill_identification);
    add<CGroup109>(encoders, slow, fill_twan_solution);
    add<CGroup20101>(encoders, slow, fill_kalman_update);
    add<CGroup20102>(encoders, slow, fill_kalman_measurements);
    add<CGroup20103>(encoders, slow, fill_twan_update);
    add<CGroup20104>(encoders, slow, fill_twan_measurements);
    add<CGroup20105>(encoders, slow, fill_load);
    add<CGroup110>(encoders, aux_message_rate,
                   aux_count == EAux_count::body ? fill_aux_raw_message
                                                 : fill_aux_raw_message_beyond_frame);
    add<CGroup200>(encoders, slow, fill_gimbal_encoders);
    add<CGroup201>(encoders, slow, fill_target_position);
    add<CGroup202>(encoders, slow, fill_range_finder);
    add<CGroup204>(encoders, slow, [](CGroup204 &group, const SSnapshot &snapshot) {
        fill_user_time(group, snapshot);
    });
    add_iin_task<CGroup20106>(encoders, iin_form, fill_iin_status);
    add_iin_task<CGroup20107>(encoders, iin_form, fill_update_status);
    add_iin_task<CGroup20108>(encoders, iin_form, fill_prefilter_status);
    add_iin_task<CGroup20109>(encoders, iin_form, fill_extrapolation_status);
    add_with_tail<CGroup20110>(
        encoders, status_form,
        [](CGroup20110 &group) -> const CItem & { return group.user_drift_slope(); },
        fill_discrete_status);
    add<CGroup20111>(encoders, slow, fill_imu_status);
    add<CGroup20112>(encoders, slow, fill_primary_gps_status);
    add<CGroup20113>(encoders, slow, fill_secondary_gps_status);
    add<CGroup20114>(encoders, slow, fill_nmea_port_status);
    add_with_tail<CGroup20115>(
        encoders, status_form,
        [](CGroup20115 &group) -> const CItem & { return group.controller_address(); },
        fill_output_manager_status);
    add<CGroup20116>(encoders, slow, fill_input_manager_status);
    add<CGroup20117>(encoders, slow, fill_twan_status);
    add<CGroup20118>(encoders, slow, fill_system_status);
    add<CGroup20119>(encoders, slow, fill_binary_port_status);
    add<CGroup20120>(encoders, slow, fill_logging_status);
    add<CGroup20121>(encoders, slow, fill_analog_port_status);
    add<CGroup20122>(encoders, slow, [](CGroup20122 &group, const SSnapshot &snapshot) {
        fill_aux_gps_status(group, snapshot, 1);
    });
    add<CGroup20123>(encoders, slow, [](CGroup20123 &group, const SSnapshot &snapshot) {
        fill_aux_gps_status(group, snapshot, 2);
    });
    add<CGroup20124>(encoders, slow, [](CGroup20124 &group, const SSnapshot &snapshot) {
        fill_ethernet_port_status(group, snapshot, 0);
    });
    add<CGroup20125>(encoders, slow, [](CGroup20125 &group, const SSnapshot &snapshot) {
        fill_ethernet_port_status(group, snapshot, 1);
    });
    add<CGroup20126>(encoders, slow, [](CGroup20126 &group, const SSnapshot &snapshot) {
        fill_ethernet_port_status(group, snapshot, 2);
    });
    add<CGroup20200>(encoders, slow, fill_gimbal_status);
    add<CGroup20201>(encoders, slow, fill_range_finder_status);
    add<CGroup20202>(encoders, slow, fill_data_port);
    return encoders;
}

std::vector<SGroup_default> group_defaults(const Group_encoders &encoders)
{
    std::vector<SGroup_default> defaults;
    for (const auto &encoder : encoders) {
        defaults.push_back({encoder->number(), encoder->default_rate()});
    }
    return defaults;
}
