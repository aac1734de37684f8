#pragma once
// The earth model and the unit factors the position plot converts with: the WGS-84 ellipsoid
// with its gravity constants, and the angle, gravity and distance factors with their reciprocals.
// Standard library only; each has one program-wide instance.

#include <numbers>

class CEarthConstant {
public:
    double semi_major_axis = 6378137.0;                      // a, metres
    double flattening = 0.0033528106647474805;               // f = 1/298.257223563
    double eccentricity_squared = (2 - flattening) * flattening; // e²
    double rotation_rate = 7.2921151467e-05;                 // rad/s
    double gravitational_constant = 3.986005e14;             // GM, m³/s²
    double gravity = 9.7976446561;                           // m/s²
    double gravity_model_k = 0.001240755392;
    double gravity_model_c20 = -0.00048416685;
    double one_over_semi_major_axis = 1 / semi_major_axis;
    double gravity_model_k_squared = gravity_model_k * gravity_model_k;
    double rotation_rate_squared = rotation_rate * rotation_rate;
};

inline constexpr CEarthConstant earth_constant{};

class CConv {
public:
    double half_pi = std::numbers::pi / 2;
    double degrees_to_radians = std::numbers::pi / 180;
    double arc_minutes_to_radians = degrees_to_radians / 60;
    double arc_minutes_to_milliradians = 1000 * arc_minutes_to_radians;
    double arc_seconds_to_radians = degrees_to_radians / 3600;
    double arc_seconds_to_radians_2 = arc_seconds_to_radians;
    double arc_seconds_to_milliradians = 1000 * arc_seconds_to_radians;
    double arc_seconds_per_gravity = arc_seconds_to_radians / earth_constant.gravity;
    double milli_arc_seconds_per_gravity = 1000 * arc_seconds_per_gravity;
    double gravity = earth_constant.gravity;
    double micro_g = earth_constant.gravity * 1e-6; // m/s² per micro-g
    double metres_per_nautical_mile = 1852.0;

    double radians_to_degrees = 1 / degrees_to_radians;
    double radians_to_arc_minutes = 1 / arc_minutes_to_radians;
    double milliradians_to_arc_minutes = 1 / arc_minutes_to_milliradians;
    double radians_to_arc_seconds = 1 / arc_seconds_to_radians;
    double radians_to_arc_seconds_2 = 1 / arc_seconds_to_radians_2;
    double milliradians_to_arc_seconds = 1 / arc_seconds_to_milliradians;
    double gravity_per_arc_second = 1 / arc_seconds_per_gravity;
    double gravity_per_milli_arc_second = 1 / milli_arc_seconds_per_gravity;
    double one_over_gravity = 1 / gravity;
    double micro_g_per_metre_per_second_squared = 1 / micro_g;
    double nautical_miles_per_metre = 1 / metres_per_nautical_mile;
};

inline constexpr CConv conv{};
