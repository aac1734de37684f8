// The timer that turns a stream of changes into few runs of an action.

#include "automation/coalescing_timer.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

TEST(CoalescingTimerTest, ChangesOfOneTurnRunTheActionOnceAfterTheTurn)
{
    int runs = 0;
    CCoalescing_timer timer(200ms, [&runs] { ++runs; });
    for (int change = 0; change < 100; ++change) {
        timer.changed();
    }
    EXPECT_EQ(runs, 0) << "never from inside the call that reports the change";
    EXPECT_TRUE(timer.pending());
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 1);
    EXPECT_FALSE(timer.pending());
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 1) << "no change, no run";
}

TEST(CoalescingTimerTest, AChangeSoonAfterARunWaitsForTheInterval)
{
    int runs = 0;
    CCoalescing_timer timer(1h, [&runs] { ++runs; });
    timer.changed();
    QCoreApplication::processEvents();
    ASSERT_EQ(runs, 1) << "the first change does not wait";
    timer.changed();
    timer.changed();
    for (int turn = 0; turn < 10; ++turn) {
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(runs, 1);
    EXPECT_TRUE(timer.pending()) << "the later changes are kept for the next run";
}

} // namespace
