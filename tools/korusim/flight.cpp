#include "tools/korusim/flight.h"

#include <cmath>
#include <numbers>

namespace {

constexpr double gravity = 9.80665;
constexpr double degrees_per_radian = 180.0 / std::numbers::pi;

// WGS-84.
constexpr double semi_major_axis = 6378137.0;
constexpr double flattening = 1.0 / 298.257223563;
constexpr double eccentricity_squared = flattening * (2.0 - flattening);

// Radii of curvature in the meridian and in the prime vertical at `latitude` (radians).
std::array<double, 2> earth_radii(double latitude)
{
    const double sine = std::sin(latitude);
    const double denominator = 1.0 - eccentricity_squared * sine * sine;
    const double prime_vertical = semi_major_axis / std::sqrt(denominator);
    const double meridian = prime_vertical * (1.0 - eccentricity_squared) / denominator;
    return {meridian, prime_vertical};
}

// An angle in degrees brought within [0, 360).
double wrap_360(double degrees)
{
    const double wrapped = std::fmod(degrees, 360.0);
    if (wrapped >= 0) {
        return wrapped;
    }
    // A tiny negative angle would round up to 360 itself.
    return wrapped + 360.0 < 360.0 ? wrapped + 360.0 : 0.0;
}

// An angle in degrees brought within (-180, 180].
double wrap_180(double degrees)
{
    const double wrapped = wrap_360(degrees);
    return wrapped > 180.0 ? wrapped - 360.0 : wrapped;
}

// `v` resolved from north-east-down into the body axes of roll, pitch and heading (radians).
Vector3 to_body(const Vector3 &v, double roll, double pitch, double heading)
{
    const double sr = std::sin(roll);
    const double cr = std::cos(roll);
    const double sp = std::sin(pitch);
    const double cp = std::cos(pitch);
    const double sh = std::sin(heading);
    const double ch = std::cos(heading);
    return {
        cp * ch * v[0] + cp * sh * v[1] - sp * v[2],
        (sr * sp * ch - cr * sh) * v[0] + (sr * sp * sh + cr * ch) * v[1] + sr * cp * v[2],
        (cr * sp * ch + sr * sh) * v[0] + (cr * sp * sh - sr * ch) * v[1] + cr * cp * v[2],
    };
}

Vector3 in_degrees(const Vector3 &radians)
{
    return {radians[0] * degrees_per_radian, radians[1] * degrees_per_radian,
            radians[2] * degrees_per_radian};
}

} // namespace

std::array<double, 2> CFlight_plan::STrapezoid::at(double t) const
{
    const double u = t - start;
    if (u < 0 || t >= end() || height == 0) {
        return {0, 0};
    }
    if (u < ramp) {
        return {height * u / ramp, height / ramp};
    }
    if (u < ramp + hold) {
        return {height, 0};
    }
    return {height * (end() - t) / ramp, -height / ramp};
}

CFlight_plan::STrapezoid CFlight_plan::with_area(double start, double ramp, double height,
                                                 double area)
{
    if (height <= 0 || area <= 0) {
        return {start, 0, 0, 0};
    }
    const double duration = area / height;
    if (duration < ramp) {
        return {start, duration, 0, height};
    }
    return {start, ramp, duration - ramp, height};
}

CFlight_plan::CFlight_plan(const SFlight_profile &profile)
    : m_take_off(with_area(0, profile.ramp_seconds, profile.acceleration, profile.speed)),
      m_climb(with_area(m_take_off.end(), profile.ramp_seconds, profile.climb_rate,
                        profile.climb_height)),
      m_turn(with_area(0, profile.ramp_seconds, profile.turn_rate / degrees_per_radian,
                       std::numbers::pi)),
      m_line_seconds(profile.line_seconds),
      m_survey_start(m_climb.end())
{}

CFlight_plan::SControls CFlight_plan::controls(double flight_time) const
{
    SControls controls;
    const auto [acceleration, acceleration_rate] = m_take_off.at(flight_time);
    controls.acceleration = acceleration;
    controls.acceleration_rate = acceleration_rate;
    const auto [climb_rate, climb_acceleration] = m_climb.at(flight_time);
    controls.climb_rate = climb_rate;
    controls.climb_acceleration = climb_acceleration;

    const double cycle = m_line_seconds + m_turn.end();
    if (flight_time >= m_survey_start && cycle > 0) {
        // Each survey cycle is a line and then a turn; turns alternate right and left.
        const double into_survey = flight_time - m_survey_start;
        const double cycles = std::floor(into_survey / cycle);
        const double sign = std::fmod(cycles, 2.0) == 0 ? 1.0 : -1.0;
        const auto [turn_rate, turn_acceleration] =
            m_turn.at(into_survey - cycles * cycle - m_line_seconds);
        controls.turn_rate = sign * turn_rate;
        controls.turn_acceleration = sign * turn_acceleration;
    }
    return controls;
}

CFlight::CFlight(const SFlight_start &start, const SFlight_profile &profile)
    : m_start(start), m_plan(profile), m_state(parked())
{}

CFlight::SIntegrated CFlight::parked() const
{
    return {m_start.latitude / degrees_per_radian,
            m_start.longitude / degrees_per_radian,
            m_start.altitude,
            0.0,
            m_start.heading / degrees_per_radian,
            0.0};
}

CFlight::SIntegrated CFlight::derivative(double flight_time, const SIntegrated &state) const
{
    const CFlight_plan::SControls controls = m_plan.controls(flight_time);
    const auto [meridian, prime_vertical] = earth_radii(state.latitude);
    const double north = state.speed * std::cos(state.heading);
    const double east = state.speed * std::sin(state.heading);
    return {north / (meridian + state.altitude),
            east / ((prime_vertical + state.altitude) * std::cos(state.latitude)),
            controls.climb_rate,
            controls.acceleration,
            controls.turn_rate,
            state.speed};
}

// One fourth-order Runge-Kutta step of `dt` seconds from `flight_time`.
CFlight::SIntegrated CFlight::advanced(double flight_time, const SIntegrated &state,
                                       double dt) const
{
    const auto moved = [&state](const SIntegrated &rate, double by) {
        return SIntegrated{
            state.latitude + by * rate.latitude, state.longitude + by * rate.longitude,
            state.altitude + by * rate.altitude, state.speed + by * rate.speed,
            state.heading + by * rate.heading,   state.distance + by * rate.distance};
    };
    const SIntegrated k1 = derivative(flight_time, state);
    const SIntegrated k2 = derivative(flight_time + dt / 2, moved(k1, dt / 2));
    const SIntegrated k3 = derivative(flight_time + dt / 2, moved(k2, dt / 2));
    const SIntegrated k4 = derivative(flight_time + dt, moved(k3, dt));
    const auto combined = [dt](double a, double b, double c, double d) {
        return dt / 6 * (a + 2 * b + 2 * c + d);
    };
    return moved(SIntegrated{combined(k1.latitude, k2.latitude, k3.latitude, k4.latitude),
                             combined(k1.longitude, k2.longitude, k3.longitude, k4.longitude),
                             combined(k1.altitude, k2.altitude, k3.altitude, k4.altitude),
                             combined(k1.speed, k2.speed, k3.speed, k4.speed),
                             combined(k1.heading, k2.heading, k3.heading, k4.heading),
                             combined(k1.distance, k2.distance, k3.distance, k4.distance)},
                 1.0);
}

SNav_state CFlight::at(double flight_time)
{
    if (flight_time <= 0) {
        return output(flight_time, parked());
    }
    const auto target_steps = static_cast<std::int64_t>(std::floor(flight_time / step_seconds));
    if (target_steps < m_steps) {
        m_steps = 0;
        m_state = parked();
    }
    while (m_steps < target_steps) {
        m_state = advanced(static_cast<double>(m_steps) * step_seconds, m_state, step_seconds);
        ++m_steps;
    }
    const double integrated_time = static_cast<double>(m_steps) * step_seconds;
    const double rest = flight_time - integrated_time;
    return output(flight_time, rest > 0 ? advanced(integrated_time, m_state, rest) : m_state);
}

SNav_state CFlight::output(double flight_time, const SIntegrated &state) const
{
    const CFlight_plan::SControls c = m_plan.controls(flight_time);
    const double speed = state.speed;
    const double heading = state.heading;

    // Coordinated flight: the bank makes the lift balance the turn, the nose follows the path.
    const double bank_ratio = speed * c.turn_rate / gravity;
    const double roll = std::atan(bank_ratio);
    const double roll_rate = (c.acceleration * c.turn_rate + speed * c.turn_acceleration) /
                             gravity / (1 + bank_ratio * bank_ratio);
    const double path_squared = speed * speed + c.climb_rate * c.climb_rate;
    const double pitch = path_squared > 0 ? std::atan2(c.climb_rate, speed) : 0.0;
    const double pitch_rate =
        path_squared > 0
            ? (c.climb_acceleration * speed - c.climb_rate * c.acceleration) / path_squared
            : 0.0;
    const double heading_rate = c.turn_rate;

    // Euler angle rates resolved into body rates.
    const Vector3 body_rate = {
        roll_rate - heading_rate * std::sin(pitch),
        pitch_rate * std::cos(roll) + heading_rate * std::cos(pitch) * std::sin(roll),
        -pitch_rate * std::sin(roll) + heading_rate * std::cos(pitch) * std::cos(roll),
    };
    const double centripetal = speed * c.turn_rate;
    const Vector3 acceleration = {
        c.acceleration * std::cos(heading) - centripetal * std::sin(heading),
        c.acceleration * std::sin(heading) + centripetal * std::cos(heading),
        -c.climb_acceleration,
    };
    const Vector3 specific_force = {acceleration[0], acceleration[1], acceleration[2] - gravity};

    SNav_state out;
    out.latitude = state.latitude * degrees_per_radian;
    out.longitude = wrap_180(state.longitude * degrees_per_radian);
    out.altitude = state.altitude;
    out.velocity = {speed * std::cos(heading), speed * std::sin(heading), -c.climb_rate};
    out.attitude = {roll * degrees_per_radian, pitch * degrees_per_radian,
                    wrap_360(heading * degrees_per_radian)};
    out.track = out.attitude[2];
    out.speed = speed;
    out.angular_rate = in_degrees(body_rate);
    out.acceleration = to_body(acceleration, roll, pitch, heading);
    out.specific_force = to_body(specific_force, roll, pitch, heading);
    out.distance = state.distance;
    return out;
}
