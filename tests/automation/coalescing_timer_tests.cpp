// The timer that turns a stream of changes into few runs of an action.

#include "automation/coalescing_timer.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

TEST(CoalescingTimerTest, ChangesRunTheActionOnALaterTurnAndThenOncePerInterval)
{
    int runs = 0;
    CCoalescing_timer timer(1h, [&runs] { ++runs; });
    for (int change = 0; change < 100; ++change) {
        timer.changed();
    }
    EXPECT_EQ(runs, 0) << "never from inside the call that reports the change";
    QCoreApplication::processEvents();
    EXPECT_EQ(runs, 1) << "the first change does not wait, and the others go with it";

    timer.changed();
    for (int turn = 0; turn < 10; ++turn) {
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(runs, 1) << "a change soon after a run waits for the interval";
    EXPECT_TRUE(timer.pending());
}

} // namespace
