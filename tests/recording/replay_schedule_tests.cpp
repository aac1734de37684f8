// The replay's pace: recorded spacing divided by the speed, gaps closed, pauses held, and at
// full speed nothing waits.

#include "recording/replay_schedule.h"

#include <gtest/gtest.h>

namespace {

constexpr std::uint64_t start_us = 1'700'000'000'000'000;
constexpr std::uint64_t ms = 1000;

TEST(ReplaySchedule, DatagramsAreDueAsFarApartAsTheyArrivedDividedByTheSpeed)
{
    for (const double speed : {1.0, 4.0, 16.0}) {
        CReplay_schedule schedule(speed);
        EXPECT_DOUBLE_EQ(schedule.wait_for(start_us, 100.0), 0.0) << speed;
        EXPECT_NEAR(schedule.wait_for(start_us + 400 * ms, 100.0), 0.4 / speed, 1e-9) << speed;
        // Asked again later, the same datagram waits less.
        EXPECT_NEAR(schedule.wait_for(start_us + 400 * ms, 100.05), 0.4 / speed - 0.05, 1e-9);
    }
}

TEST(ReplaySchedule, AtFullSpeedEveryDatagramIsDueNow)
{
    CReplay_schedule schedule(CReplay_schedule::fastest);
    EXPECT_LE(schedule.wait_for(start_us, 5.0), 0.0);
    EXPECT_LE(schedule.wait_for(start_us + 3000 * ms, 5.0), 0.0);
}

TEST(ReplaySchedule, LongGapsAndTimeGoingBackAreReplayedAsNoGap)
{
    CReplay_schedule schedule(1);
    schedule.wait_for(start_us, 0.0);
    EXPECT_NEAR(schedule.wait_for(start_us + 100 * ms, 0.0), 0.1, 1e-9);
    // An hour later: due when the one before was.
    EXPECT_NEAR(schedule.wait_for(start_us + 3'600'000 * ms, 0.0), 0.1, 1e-9);
    EXPECT_NEAR(schedule.wait_for(start_us + 3'600'200 * ms, 0.0), 0.3, 1e-9);
    // The clock of the recording jumped back.
    EXPECT_NEAR(schedule.wait_for(start_us, 0.0), 0.3, 1e-9);
}

TEST(ReplaySchedule, APauseHoldsTheScheduleAndResumingShiftsIt)
{
    CReplay_schedule schedule(1);
    schedule.wait_for(start_us, 0.0);
    schedule.pause(0.5);
    EXPECT_TRUE(schedule.paused());
    EXPECT_GT(schedule.wait_for(start_us + 1000 * ms, 10.0), 0.0) << "nothing is due while paused";
    schedule.resume(10.5);
    EXPECT_FALSE(schedule.paused());
    // It was due 1 s after the start; the pause held it for 10 s.
    EXPECT_NEAR(schedule.wait_for(start_us + 1000 * ms, 10.5), 0.5, 1e-9);
}

TEST(ReplaySchedule, ChangingTheSpeedKeepsThePlaceAndChangesThePace)
{
    CReplay_schedule schedule(1);
    schedule.wait_for(start_us, 0.0);
    EXPECT_NEAR(schedule.wait_for(start_us + 1000 * ms, 1.0), 0.0, 1e-9);
    schedule.set_speed(4, 1.0);
    EXPECT_NEAR(schedule.wait_for(start_us + 2000 * ms, 1.0), 0.25, 1e-9);
    schedule.set_speed(CReplay_schedule::fastest, 1.0);
    EXPECT_LE(schedule.wait_for(start_us + 9000 * ms, 1.0), 0.0);
}

} // namespace
