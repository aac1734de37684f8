#pragma once
// A deterministic survey flight: parked while the computer aligns, then a take-off run, a climb
// and survey lines joined by coordinated 180-degree turns that alternate left and right.
//
// The aircraft's speed, heading and climb rate follow piecewise-linear controls (each change is
// ramped, so that attitude and rates stay continuous); position is integrated on the WGS-84
// ellipsoid with fixed steps, so the same flight time always gives the same state. There is no
// wind: the heading is the track.

#include <array>
#include <cstdint>

// Where the aircraft stands when the computer powers on.
struct SFlight_start {
    double latitude = 60.3172;  // degrees, north positive
    double longitude = 24.9633; // degrees, east positive
    double altitude = 50.0;     // metres above the ellipsoid
    double heading = 90.0;      // degrees from north
};

// The shape of the flight after alignment.
struct SFlight_profile {
    double speed = 60.0;       // cruise ground speed, m/s
    double line_seconds = 120; // length of each survey line
    double acceleration = 2.0; // take-off run, m/s²
    double climb_rate = 5.0;   // m/s
    double climb_height = 300; // metres climbed before the survey lines
    double turn_rate = 3.0;    // degrees per second in the turns
    double ramp_seconds = 4.0; // time over which each control change is ramped in or out
};

using Vector3 = std::array<double, 3>;

// The aircraft's state at one moment, in the units the navigation groups carry.
struct SNav_state {
    double latitude = 0;      // degrees
    double longitude = 0;     // degrees, within (-180, 180]
    double altitude = 0;      // metres
    Vector3 velocity{};       // north, east, down; m/s
    Vector3 attitude{};       // roll, pitch, heading; degrees, heading within [0, 360)
    double track = 0;         // degrees within [0, 360)
    double speed = 0;         // horizontal ground speed, m/s
    Vector3 angular_rate{};   // body longitudinal, transverse, down; degrees per second
    Vector3 acceleration{};   // body axes, m/s², without gravity
    Vector3 specific_force{}; // body axes, m/s², what accelerometers measure
    double distance = 0;      // metres travelled over the ground since the take-off run began
};

// The piecewise-linear controls of the flight, as functions of flight time (seconds since the
// take-off run began).
class CFlight_plan {
public:
    struct SControls {
        double acceleration = 0; // along track, m/s²
        double acceleration_rate = 0;
        double turn_rate = 0; // heading rate, rad/s, positive to the right
        double turn_acceleration = 0;
        double climb_rate = 0; // m/s, positive up
        double climb_acceleration = 0;
    };

    explicit CFlight_plan(const SFlight_profile &profile);
    SControls controls(double flight_time) const;

private:
    // A control that ramps up to `height`, holds, and ramps down again.
    struct STrapezoid {
        double start = 0;
        double ramp = 0;
        double hold = 0;
        double height = 0;
        double end() const { return start + 2 * ramp + hold; }
        // Value and slope at time `t`.
        std::array<double, 2> at(double t) const;
    };
    // A trapezoid of `height` whose area (height × time) is `area`, ramped over `ramp` seconds
    // or less when the area is too small for full ramps.
    static STrapezoid with_area(double start, double ramp, double height, double area);

    STrapezoid m_take_off;
    STrapezoid m_climb;
    STrapezoid m_turn; // one turn, starting at 0 within its survey cycle
    double m_line_seconds;
    double m_survey_start;
};

class CFlight {
public:
    // Integration step of the flight's position.
    static constexpr double step_seconds = 0.01;

    CFlight(const SFlight_start &start, const SFlight_profile &profile);

    // The state `flight_time` seconds after the take-off run began; at 0 or before, the aircraft
    // is parked at the start. Flight times are expected not to go backwards; when they do, the
    // flight is integrated again from the start.
    SNav_state at(double flight_time);

private:
    // What is integrated: geodetic position, speed, heading and distance.
    struct SIntegrated {
        double latitude;  // radians
        double longitude; // radians, unwrapped
        double altitude;
        double speed;
        double heading; // radians, unwrapped
        double distance;
    };

    SIntegrated derivative(double flight_time, const SIntegrated &state) const;
    SIntegrated advanced(double flight_time, const SIntegrated &state, double dt) const;
    SNav_state output(double flight_time, const SIntegrated &state) const;
    SIntegrated parked() const;

    SFlight_start m_start;
    CFlight_plan m_plan;
    std::int64_t m_steps = 0; // steps integrated into m_state
    SIntegrated m_state;
};
