#include "tools/korusim/iin_tasks.h"

#include "protocol/invalid.h"

#include <array>

namespace {

using Data = std::array<double, CIin_task_group::data_count>;

// Mode proxies each task keeps queued for the navigator's mode changes.
constexpr std::uint32_t mode_proxies = 1;

// The common end of the four groups: no MPA or task errors, then the ten values.
void fill_tail(CIin_task_group &group, const Data &data)
{
    group.fopen_error().set(0);
    group.mpa_status().set(0);
    group.error_1().set(0);
    group.error_2().set(0);
    group.error_3().set(0);
    for (std::size_t i = 0; i < data.size(); ++i) {
        group.data(i).set(data[i]);
    }
}

Data navigation_data(const SNav_state &nav)
{
    return {nav.latitude,    nav.longitude,   nav.altitude,    nav.velocity[0], nav.velocity[1],
            nav.velocity[2], nav.attitude[0], nav.attitude[1], nav.attitude[2], nav.speed};
}

// No accuracies while standing by.
Data accuracy_data(const SSnapshot &snapshot)
{
    const SNav_status &status = snapshot.status;
    if (!status.has_accuracy) {
        Data none;
        none.fill(CInvalid::of<double>());
        return none;
    }
    return {status.rms_position[0], status.rms_position[1], status.rms_position[2],
            status.rms_velocity[0], status.rms_velocity[1], status.rms_velocity[2],
            status.rms_attitude[0], status.rms_attitude[1], status.rms_attitude[2],
            snapshot.nav.distance};
}

Data motion_data(const SNav_state &nav)
{
    return {nav.specific_force[0], nav.specific_force[1],
            nav.specific_force[2], nav.angular_rate[0],
            nav.angular_rate[1],   nav.angular_rate[2],
            nav.acceleration[0],   nav.acceleration[1],
            nav.acceleration[2],   nav.track};
}

} // namespace

void fill_iin_status(CGroup20106 &group, const SSnapshot &snapshot)
{
    const double t = snapshot.time;
    group.iin_runs().set(occurrences(t, iin_rate::imu));
    group.iin_restarts().set(0);
    group.snv_data_status().set(snapshot.status.solution_status);
    group.sdnav_runs().set(occurrences(t, iin_rate::imu));
    group.error_control_runs().set(occurrences(t, iin_rate::update));
    group.msgs_from_gps().set(occurrences(t, iin_rate::gnss));
    group.msgs_from_imu().set(occurrences(t, iin_rate::imu));
    group.msgs_from_extrap().set(occurrences(t, iin_rate::extrapolation));
    group.msgs_from_update().set(occurrences(t, iin_rate::update));
    group.bad_imu_data().set(0);
    group.msgs_from_imgr().set(occurrences(t, iin_rate::gnss));
    group.imgr_msgs_rejected().set(0);
    group.imu_proxies_queued().set(0);
    group.imu_proxy_exceptions().set(0);
    fill_tail(group, navigation_data(snapshot.nav));
}

void fill_update_status(CGroup20107 &group, const SSnapshot &snapshot)
{
    const double t = snapshot.time;
    group.update_runs().set(occurrences(t, iin_rate::update));
    group.msgs_from_prefilter().set(occurrences(t, iin_rate::update));
    group.msgs_from_extrap().set(occurrences(t, iin_rate::update));
    group.prefilter_proxies_queued().set(0);
    group.extrap_proxies_queued().set(0);
    group.iin_mode_proxies().set(mode_proxies);
    group.iin_mode().set(static_cast<std::uint8_t>(snapshot.phase.phase));
    fill_tail(group, accuracy_data(snapshot));
}

// The counts of the input manager are single bytes: they wrap.
void fill_prefilter_status(CGroup20108 &group, const SSnapshot &snapshot)
{
    const double t = snapshot.time;
    group.prefilter_runs().set(occurrences(t, iin_rate::gnss));
    group.msgs_from_iin().set(occurrences(t, iin_rate::gnss));
    group.msgs_from_update().set(occurrences(t, iin_rate::update));
    group.iin_proxies_queued().set(0);
    group.iin_proxy_exceptions().set(0);
    group.msgs_from_imgr().set(static_cast<std::uint8_t>(occurrences(t, iin_rate::gnss)));
    group.imgr_msgs_rejected().set(0);
    group.twan_msgs_delayed().set(occurrences(t, iin_rate::twan));
    group.aux_gps_msgs_delayed().set(0);
    group.iin_mode_proxies().set(mode_proxies);
    fill_tail(group, motion_data(snapshot.nav));
}

void fill_extrapolation_status(CGroup20109 &group, const SSnapshot &snapshot)
{
    const double t = snapshot.time;
    const double last_update = occurrences(t, iin_rate::update) / iin_rate::update;
    group.extrap_runs().set(occurrences(t, iin_rate::extrapolation));
    group.msgs_from_prefilter().set(occurrences(t, iin_rate::gnss));
    group.msgs_from_update().set(occurrences(t, iin_rate::update));
    group.prefilter_proxies_queued().set(0);
    group.update_proxies_queued().set(0);
    group.iin_mode_proxies_queued().set(mode_proxies);
    group.x_minus_time().set(last_update);
    group.dx_time().set(t - last_update);
    fill_tail(group, navigation_data(snapshot.nav));
}
