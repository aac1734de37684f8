#include "tools/korusim/navigation.h"

#include "protocol/navigation_groups.h"

#include <algorithm>
#include <cmath>

namespace {

// Coarse levelling takes this share of the alignment, fine alignment the rest.
constexpr double coarse_share = 0.25;
// The flight keeps this far from the poles.
constexpr double highest_latitude = 89.9;
// The primary receiver reaches a narrow-lane fix this long after full navigation began.
constexpr double float_rtk_seconds = 30;

using A = CGen_status_a::bits;
using B = CGen_status_b::bits;
using C = CGen_status_c::bits;

// The accuracies the user asks for; the lamps light when they are met.
constexpr double user_attitude_rms = 0.05; // degrees
constexpr double user_heading_rms = 0.2;   // degrees
constexpr double user_position_rms = 1.0;  // m
constexpr double user_velocity_rms = 0.1;  // m/s

constexpr std::uint32_t bit_if(bool condition, unsigned number)
{
    return condition ? status_mask(number) : 0;
}

// Recording asked for sets "Loging Enabled"; the open file, or the full card, say how it goes.
constexpr std::uint32_t pc_card_bits(EPc_card pc_card)
{
    switch (pc_card) {
    case EPc_card::idle:
        break;
    case EPc_card::buffering:
        return status_mask(A::log_port_logging_enabled);
    case EPc_card::writing:
        return status_mask(A::log_port_logging_enabled, A::log_port_file_open);
    case EPc_card::device_full:
        return status_mask(A::log_port_logging_enabled, A::log_port_device_full);
    }
    return 0;
}

// An accuracy that improves from `from` towards `to` with time constant `tau` seconds.
double converge(double from, double to, double tau, double seconds)
{
    return to + (from - to) * std::exp(-seconds / tau);
}

Vector3 horizontal_vertical(double horizontal, double vertical)
{
    return {horizontal, horizontal, vertical};
}

struct SAccuracy {
    Vector3 position;
    Vector3 velocity;
    Vector3 attitude;
};

SAccuracy accuracy(const SNav_phase &phase)
{
    const double s = phase.seconds_in_phase;
    switch (phase.phase) {
    case ENav_phase::coarse_leveling: {
        const double level = converge(5.0, 0.5, 5.0, s);
        return {
            horizontal_vertical(10.0, 15.0), horizontal_vertical(0.5, 0.5), {level, level, 180.0}};
    }
    case ENav_phase::fine_align: {
        const double level = converge(0.5, 0.02, 15.0, s);
        const double horizontal = converge(10.0, 1.0, 10.0, s);
        const double velocity = converge(0.5, 0.05, 10.0, s);
        return {horizontal_vertical(horizontal, 1.5 * horizontal),
                horizontal_vertical(velocity, velocity),
                {level, level, converge(30, 0.2, 12, s)}};
    }
    case ENav_phase::full_navigation: {
        const double level = converge(0.02, 0.005, 30.0, s);
        const double horizontal = converge(1.0, 0.03, 20.0, s);
        const double velocity = converge(0.05, 0.01, 20.0, s);
        return {horizontal_vertical(horizontal, 1.5 * horizontal),
                horizontal_vertical(velocity, velocity),
                {level, level, converge(0.2, 0.02, 30.0, s)}};
    }
    case ENav_phase::standby:
        break;
    }
    return {};
}

std::uint32_t alignment_bits(ENav_phase phase)
{
    switch (phase) {
    case ENav_phase::coarse_leveling:
        return status_mask(A::coarse_leveling_active, A::nav_alignment_active);
    case ENav_phase::fine_align:
        return status_mask(A::quadrant_resolved, A::fine_align_active, A::sdnav_initialized,
                           A::nav_alignment_active);
    case ENav_phase::full_navigation:
        return status_mask(A::quadrant_resolved, A::sdnav_initialized, A::full_nav_solution);
    case ENav_phase::standby:
        break;
    }
    return 0;
}

// The primary receiver: waiting while levelling, C/A during fine alignment, then float and
// narrow-lane RTK.
std::uint32_t receiver_bits(const SNav_phase &phase)
{
    switch (phase.phase) {
    case ENav_phase::fine_align:
        return status_mask(B::primary_gps_solution_in_use, B::primary_gps_ca_mode);
    case ENav_phase::full_navigation:
        return status_mask(B::primary_gps_solution_in_use,
                           phase.seconds_in_phase < float_rtk_seconds
                               ? B::primary_gps_float_rtk_mode
                               : B::primary_gps_narrow_lane_rtk_mode);
    case ENav_phase::standby:
    case ENav_phase::coarse_leveling:
        break;
    }
    return 0;
}

std::uint32_t user_accuracy_bits(const SAccuracy &rms)
{
    const double position = std::max({rms.position[0], rms.position[1], rms.position[2]});
    const double velocity = std::max({rms.velocity[0], rms.velocity[1], rms.velocity[2]});
    return bit_if(std::max(rms.attitude[0], rms.attitude[1]) <= user_attitude_rms,
                  B::user_attitude_rms_perf) |
           bit_if(rms.attitude[2] <= user_heading_rms, B::user_heading_rms_perf) |
           bit_if(position <= user_position_rms, B::user_position_rms_perf) |
           bit_if(velocity <= user_velocity_rms, B::user_velocity_rms_perf);
}

std::uint8_t solution_status(ENav_phase phase)
{
    switch (phase) {
    case ENav_phase::full_navigation:
        return 0;
    case ENav_phase::fine_align:
        return 1;
    case ENav_phase::coarse_leveling:
        return 2;
    case ENav_phase::standby:
        break;
    }
    return 255;
}

} // namespace

CNavigator::CNavigator(const SFlight_start &start, const SFlight_profile &profile,
                       double align_seconds)
    : m_profile(profile), m_align_seconds(align_seconds), m_flight(start, profile)
{}

void CNavigator::start(double t, const SFlight_start &start)
{
    // East-west motion is integrated in longitude, which has no meaning at the poles.
    SFlight_start clamped = start;
    clamped.latitude = std::clamp(start.latitude, -highest_latitude, highest_latitude);
    m_started_at = t;
    m_flight = CFlight(clamped, m_profile);
}

void CNavigator::stop()
{
    m_started_at.reset();
}

SNav_phase CNavigator::phase_at(double t) const
{
    if (!m_started_at) {
        return {};
    }
    const double aligning = t - *m_started_at;
    const double coarse_seconds = coarse_share * m_align_seconds;
    if (aligning < coarse_seconds) {
        return {ENav_phase::coarse_leveling, aligning};
    }
    if (aligning < m_align_seconds) {
        return {ENav_phase::fine_align, aligning - coarse_seconds};
    }
    return {ENav_phase::full_navigation, aligning - m_align_seconds};
}

SNav_state CNavigator::state_at(double t)
{
    const SNav_phase phase = phase_at(t);
    return m_flight.at(phase.phase == ENav_phase::full_navigation ? phase.seconds_in_phase : 0.0);
}

SNav_status navigation_status(const SStatus_inputs &inputs)
{
    const ENav_phase phase = inputs.phase.phase;
    SNav_status status;
    status.general_status_a = alignment_bits(phase) | status_mask(A::initial_position_valid) |
                              bit_if(inputs.free_inertial, A::free_inertial_mode) |
                              pc_card_bits(inputs.pc_card) |
                              bit_if(inputs.configuration_changed, A::ram_config_differs) |
                              bit_if(inputs.saved, A::nvm_write_successful);
    status.general_status_b = receiver_bits(inputs.phase);
    status.general_status_c = bit_if(inputs.logged_out, C::user_not_logged_in);
    status.solution_status = solution_status(phase);
    if (phase != ENav_phase::standby) {
        const SAccuracy rms = accuracy(inputs.phase);
        status.has_accuracy = true;
        status.rms_position = rms.position;
        status.rms_velocity = rms.velocity;
        status.rms_attitude = rms.attitude;
        status.general_status_b |= user_accuracy_bits(rms);
    }
    return status;
}
