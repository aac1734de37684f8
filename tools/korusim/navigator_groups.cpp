#include "tools/korusim/navigator_groups.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>

namespace {

constexpr double metres_per_degree = 111320.0;
constexpr double seconds_per_week = 604800.0;
constexpr double week_end_lead = 10.0; // seconds before the week's end at power-on
constexpr std::uint8_t gps_time = 1;
constexpr std::uint8_t utc_time = 2;
constexpr std::size_t twan_satellites = 8;
constexpr std::size_t rejected_measurement = 3;
constexpr std::size_t unconstructed_measurement = 5;

template <class T>
void set_triple(TTriple<T> &triple, double first, double second, double third)
{
    triple.component(0).set(static_cast<T>(first));
    triple.component(1).set(static_cast<T>(second));
    triple.component(2).set(static_cast<T>(third));
}

// Fills `count` elements of `array` with values that change slowly with time.
void fill_values(CDouble_array &array, double time, double scale)
{
    for (std::size_t index = 0; index < array.count(); ++index) {
        array[index].set(scale * std::sin(0.1 * time + static_cast<double>(index)));
    }
}

// The counts as stated, the arrays holding what fits.
std::size_t fitting(std::uint16_t count, std::size_t capacity)
{
    return std::min<std::size_t>(count, capacity);
}

std::string version_text(const SSnapshot &snapshot)
{
    return std::string(snapshot.hotlink_model ? "7,2" : "510,5") +
           "-korusim 0.1, simulated KORU computer";
}

// The receivers' versions and the run statistics, which Groups 99 and 108 share.
template <class TGroup>
void fill_receivers_and_runs(TGroup &group, const SSnapshot &snapshot)
{
    group.primary_gps_version().set("simulated primary GNSS receiver 1.0");
    group.secondary_gps_version().set("simulated TWAN receiver 1.0");
    group.total_hours().set(snapshot.run.total_hours);
    group.number_of_runs().set(snapshot.run.runs);
    group.average_run().set(snapshot.run.average_run);
    group.longest_run().set(snapshot.run.longest_run);
    group.current_run().set(snapshot.run.current_run);
}

} // namespace

void fill_sensor_solution(CSensor_solution_group &group, const SSnapshot &snapshot, int sensor)
{
    const SNav_state &nav = snapshot.nav;
    const double heading = nav.attitude[2] * std::numbers::pi / 180.0;
    const double ahead = sensor == 1 ? 1.0 : 0.0;
    const double below = sensor == 2 ? 1.0 : 0.0;
    const double latitude = nav.latitude + ahead * std::cos(heading) / metres_per_degree;
    const double longitude =
        nav.longitude + ahead * std::sin(heading) /
                            (metres_per_degree * std::cos(nav.latitude * std::numbers::pi / 180.0));
    set_triple(group.position(), latitude, longitude, nav.altitude - below);
    const double along = nav.speed;
    set_triple(group.velocity(), along, 0.0, nav.velocity[2]);
    set_triple(group.attitude(), nav.attitude[0], nav.attitude[1], nav.attitude[2]);
    group.wander_angle().set(0.0);
    group.heave().set(0.0);
    set_triple(group.angular_rate(), nav.angular_rate[0], nav.angular_rate[1], nav.angular_rate[2]);
    set_triple(group.angular_accel(), nav.acceleration[0], nav.acceleration[1],
               nav.acceleration[2]);
}

void fill_sensor_performance(CSensor_performance_group &group, const SSnapshot &snapshot)
{
    const SNav_status &status = snapshot.status;
    if (!status.has_accuracy) {
        for (std::size_t i = 0; i < 3; ++i) {
            group.rms_position().component(i).set_invalid();
            group.rms_velocity().component(i).set_invalid();
            group.rms_attitude().component(i).set_invalid();
        }
        return;
    }
    set_triple(group.rms_position(), status.rms_position[0], status.rms_position[1],
               status.rms_position[2]);
    set_triple(group.rms_velocity(), status.rms_velocity[0], status.rms_velocity[1],
               status.rms_velocity[2]);
    set_triple(group.rms_attitude(), status.rms_attitude[0], status.rms_attitude[1],
               status.rms_attitude[2]);
}

void fill_versions(CGroup99 &group, const SSnapshot &snapshot)
{
    group.koru_version().set(version_text(snapshot));
    fill_receivers_and_runs(group, snapshot);
}

void fill_identification(CGroup108 &group, const SSnapshot &snapshot)
{
    group.system_model().set(snapshot.hotlink_model ? simulated_model::hotlink_model
                                                    : simulated_model::model);
    group.system_version().set(5.0);
    group.serial_number().set(1234.0);
    group.hardware_revision().set(2.1);
    group.software_revision().set(3.25);
    group.icd_revision().set(4.0);
    fill_receivers_and_runs(group, snapshot);
}

void fill_twan_solution(CGroup109 &group, const SSnapshot &snapshot)
{
    const bool navigating = snapshot.phase.phase == ENav_phase::full_navigation;
    const auto second = static_cast<std::uint32_t>(snapshot.time);
    group.sv_count().set(static_cast<std::uint8_t>(twan_satellites));
    group.base_sv().set(std::uint8_t{3});
    group.pdop().set(1.8);
    group.antenna_separation().set(2.0);
    group.otf_searches().set(std::uint8_t{1});
    group.sosr_ratio().set(4.5);
    group.slip_flag().set(static_cast<std::uint16_t>(second % 10 == 0 ? 1U << (twan_satellites - 1)
                                                                      : 0U));
    group.solution_status().set(static_cast<std::uint8_t>(navigating ? 0 : 2));
    for (std::size_t index = 0; index < CGroup109::record_count; ++index) {
        CTwan_record_data &record = group.twan_record(index);
        if (index >= twan_satellites) {
            record.sv().set_invalid();
            record.ambiguities().set_invalid();
            record.slip_residual().set_invalid();
            continue;
        }
        record.sv().set(static_cast<std::uint8_t>(3 + 2 * index));
        record.ambiguities().set(static_cast<std::int16_t>(100 - 7 * static_cast<int>(index)));
        record.slip_residual().set(0.01 * static_cast<double>(index));
    }
    group.heading().set(snapshot.nav.attitude[2]);
    group.heading_rms().set(0.05);
}

void fill_kalman_update(CGroup20101 &group, const SSnapshot &snapshot)
{
    const SFilter_counts &counts = snapshot.filter_counts;
    group.lay_out_for_sending(fitting(counts.kalman_states, CGroup20101::state_capacity),
                              fitting(counts.kalman_measurements,
                                      CGroup20101::measurement_capacity));
    group.update_time().set(snapshot.time);
    group.state_count().set(counts.kalman_states);
    group.measurement_count().set(counts.kalman_measurements);
    fill_values(group.x_minus(), snapshot.time, 0.01);
    fill_values(group.rms_minus(), snapshot.time + 1, 0.1);
    fill_values(group.meas_res(), snapshot.time + 2, 0.5);
    fill_values(group.rms_meas_res(), snapshot.time + 3, 1.0);
    group.meas_reject().set(1U << rejected_measurement);
}

void fill_kalman_measurements(CGroup20102 &group, const SSnapshot &snapshot)
{
    const SFilter_counts &counts = snapshot.filter_counts;
    const std::size_t measurements =
        fitting(counts.kalman_measurements, CGroup20102::measurement_capacity);
    group.lay_out_for_sending(measurements);
    group.measurement_time_1().set(snapshot.time);
    group.measurement_time_2().set(snapshot.time);
    group.measurement_count().set(counts.kalman_measurements);
    const std::uint32_t all = measurements >= 32 ? 0xFFFFFFFEU : (1U << measurements) - 1U;
    group.construct().set(all & ~(1U << unconstructed_measurement));
    fill_values(group.z(), snapshot.time, 10.0);
    fill_values(group.r(), snapshot.time + 1, 1.0);
}

void fill_twan_update(CGroup20103 &group, const SSnapshot &snapshot)
{
    const SFilter_counts &counts = snapshot.filter_counts;
    group.lay_out_for_sending(fitting(counts.twan_states, CGroup20103::state_capacity),
                              fitting(counts.twan_measurements, CGroup20103::measurement_capacity));
    group.update_time().set(snapshot.time);
    group.state_count().set(counts.twan_states);
    group.measurement_count().set(counts.twan_measurements);
    fill_values(group.x_minus(), snapshot.time, 0.01);
    fill_values(group.rms_minus(), snapshot.time + 1, 0.1);
    fill_values(group.x_plus(), snapshot.time + 2, 0.005);
    fill_values(group.rms_plus(), snapshot.time + 3, 0.05);
    fill_values(group.meas_res(), snapshot.time + 4, 0.02);
    fill_values(group.rms_meas_res(), snapshot.time + 5, 0.03);
    group.meas_reject().set(0);
}

void fill_twan_measurements(CGroup20104 &group, const SSnapshot &snapshot)
{
    const SFilter_counts &counts = snapshot.filter_counts;
    group.lay_out_for_sending(
        fitting(counts.twan_measurements, CGroup20104::measurement_capacity));
    group.measurement_time().set(snapshot.time);
    group.measurement_count().set(counts.twan_measurements);
    fill_values(group.z(), snapshot.time, 0.2);
    fill_values(group.r(), snapshot.time + 1, 0.01);
}

void fill_load(CGroup20105 &group, const SSnapshot &snapshot)
{
    const auto load = static_cast<std::uint16_t>(40 + 20 * std::sin(0.05 * snapshot.time));
    group.current_load().set(load);
    group.average_load().set(std::uint16_t{40});
    group.maximum_load().set(std::uint16_t{60});
    group.minimum_load().set(std::uint16_t{20});
    if (snapshot.week_end) {
        CGroup_header &header = group.header();
        header.time_1().set(
            std::fmod(seconds_per_week - week_end_lead + snapshot.time, seconds_per_week));
        header.time_types().time_type_1().set(gps_time);
    } else {
        group.header().time_types().time_type_1().set(utc_time);
    }
}
