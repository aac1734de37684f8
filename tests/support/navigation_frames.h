#pragma once
// Navigation groups written out byte by byte, for the tests of the windows that show them.

#include "frame_bytes.h"

namespace frame_bytes {

// The body of Group 1: the given position, heading and speed; velocity 1.5, -2.25, 0.125, roll
// 0.5, pitch -0.25, track 271.5, rates 0.5, 0.25, -0.5, accelerations 1, 2, 3.
inline Bytes position_body(double latitude, double longitude, double altitude, double heading,
                           float speed = 10.0f)
{
    Bytes body;
    put_f64(body, latitude);
    put_f64(body, longitude);
    put_f64(body, altitude);
    put_f32(body, 1.5f);
    put_f32(body, -2.25f);
    put_f32(body, 0.125f);
    put_f64(body, 0.5);
    put_f64(body, -0.25);
    put_f64(body, heading);
    put_f64(body, 0.0);
    put_f32(body, 271.5f);
    put_f32(body, speed);
    for (float value : {0.5f, 0.25f, -0.5f, 1.0f, 2.0f, 3.0f}) {
        put_f32(body, value);
    }
    put_u8(body, 2);
    return body;
}

// Group 1 at Time 1 0 with the body above.
inline Bytes position_group(double latitude, double longitude, double altitude, double heading,
                            float speed = 10.0f)
{
    return group(1, position_body(latitude, longitude, altitude, heading, speed));
}

// Group 1 at longitude -73.25.
inline Bytes navigation_group(double latitude, double altitude, double heading, float speed)
{
    return position_group(latitude, -73.25, altitude, heading, speed);
}

} // namespace frame_bytes
