// The simulated flight: the same flight time always gives the same state, and position,
// velocity, attitude and rates agree with each other.

#include "tools/korusim/flight.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace {

constexpr double pi = std::numbers::pi;
constexpr double gravity = 9.80665;

// The default flight: take-off run until 34 s, climb until 98 s, lines of 120 s, then a right
// turn from 218 s to 282 s (steady from 222 s to 278 s), a line, a left turn from 402 s.
constexpr double on_take_off_run = 10;
constexpr double climbing = 50;
constexpr double on_a_line = 150;
constexpr double turning_right = 250;
constexpr double turning_left = 430;
constexpr double rolling_into_a_turn = 219.5;

// North, east and down metres between two states, on the WGS-84 ellipsoid.
std::array<double, 3> displacement(const SNav_state &from, const SNav_state &to)
{
    const double a = 6378137.0;
    const double f = 1 / 298.257223563;
    const double e2 = f * (2 - f);
    const double latitude = (from.latitude + to.latitude) / 2 * pi / 180;
    const double altitude = (from.altitude + to.altitude) / 2;
    const double w = 1 - e2 * std::sin(latitude) * std::sin(latitude);
    const double prime_vertical = a / std::sqrt(w);
    const double meridian = prime_vertical * (1 - e2) / w;
    return {(to.latitude - from.latitude) * pi / 180 * (meridian + altitude),
            (to.longitude - from.longitude) * pi / 180 * (prime_vertical + altitude) *
                std::cos(latitude),
            from.altitude - to.altitude};
}

TEST(FlightTest, TheSameFlightTimeGivesTheSameStateHoweverItIsReached)
{
    CFlight stepped({}, {});
    CFlight direct({}, {});
    for (double t = 0; t <= 300; t += 0.1) {
        stepped.at(t);
    }
    const SNav_state a = stepped.at(300.05);
    const SNav_state b = direct.at(300.05);
    EXPECT_EQ(a.latitude, b.latitude);
    EXPECT_EQ(a.longitude, b.longitude);
    EXPECT_EQ(a.altitude, b.altitude);
    EXPECT_EQ(a.attitude, b.attitude);
    EXPECT_EQ(a.velocity, b.velocity);
    EXPECT_EQ(a.distance, b.distance);

    const SNav_state again = direct.at(12.0);
    EXPECT_EQ(again.latitude, CFlight({}, {}).at(12.0).latitude) << "going back starts over";
}

TEST(FlightTest, ParkedAtTheStartUntilTheTakeOffRun)
{
    const SFlight_start start{-33.9, 151.2, 12.0, 270.0};
    CFlight flight(start, {});
    for (const double t : {-5.0, 0.0}) {
        const SNav_state parked = flight.at(t);
        EXPECT_EQ(parked.latitude, start.latitude);
        EXPECT_EQ(parked.longitude, start.longitude);
        EXPECT_EQ(parked.altitude, start.altitude);
        EXPECT_EQ(parked.speed, 0);
        EXPECT_EQ(parked.attitude, (Vector3{0, 0, 270.0}));
        EXPECT_NEAR(parked.specific_force[2], -gravity, 1e-12);
    }
}

TEST(FlightTest, PositionMovesAsTheVelocitySays)
{
    CFlight flight({}, {});
    for (const double t : {on_take_off_run, climbing, on_a_line, turning_right, turning_left}) {
        const SNav_state from = flight.at(t);
        const SNav_state middle = flight.at(t + 0.5);
        const SNav_state to = flight.at(t + 1);
        const std::array<double, 3> moved = displacement(from, to);
        for (std::size_t axis = 0; axis < 3; ++axis) {
            EXPECT_NEAR(moved[axis], middle.velocity[axis], 0.01)
                << "at " << t << ", axis " << axis;
        }
        EXPECT_NEAR(to.distance - from.distance, middle.speed, 0.01) << "at " << t;
        EXPECT_NEAR(middle.track, middle.attitude[2], 1e-9)
            << "no wind: the nose follows the track";
    }
}

TEST(FlightTest, SpeedAndHeightFollowTheTakeOffAndClimb)
{
    CFlight flight({}, {});
    EXPECT_NEAR(flight.at(on_take_off_run + 1).speed - flight.at(on_take_off_run).speed, 2.0, 1e-9);
    EXPECT_NEAR(flight.at(on_take_off_run).acceleration[0], 2.0, 1e-9);

    const SNav_state climb = flight.at(climbing);
    EXPECT_NEAR(climb.speed, 60, 1e-6);
    EXPECT_NEAR(climb.velocity[2], -5, 1e-9);
    EXPECT_NEAR(climb.attitude[1], std::atan2(5.0, 60.0) * 180 / pi, 1e-9);
    EXPECT_NEAR(flight.at(on_a_line).altitude, 50 + 300, 1e-6);
}

TEST(FlightTest, TurnsAreCoordinatedAndAlternate)
{
    CFlight flight({}, {});
    const double turn_rate = 3 * pi / 180;
    const double bank = std::atan(60 * turn_rate / gravity) * 180 / pi;

    const SNav_state right = flight.at(turning_right);
    EXPECT_NEAR(right.attitude[0], bank, 1e-6);
    const double heading_change = flight.at(turning_right + 1).attitude[2] - right.attitude[2];
    EXPECT_NEAR(heading_change, 3.0, 1e-6);
    EXPECT_NEAR(right.angular_rate[1], 3 * std::sin(bank * pi / 180), 1e-6);
    EXPECT_NEAR(right.angular_rate[2], 3 * std::cos(bank * pi / 180), 1e-6);
    EXPECT_NEAR(flight.at(turning_left).attitude[0], -bank, 1e-6);

    // Rolling in, the roll rate is the bank's rate of change.
    const double roll_change = flight.at(rolling_into_a_turn + 0.005).attitude[0] -
                               flight.at(rolling_into_a_turn).attitude[0];
    EXPECT_NEAR(flight.at(rolling_into_a_turn + 0.0025).angular_rate[0], roll_change / 0.005, 1e-3);

    // Coordinated: the accelerometers never feel a sideways force.
    for (double t = 200; t < 480; t += 0.7) {
        EXPECT_NEAR(flight.at(t).specific_force[1], 0, 1e-9) << "at " << t;
    }
}

} // namespace
