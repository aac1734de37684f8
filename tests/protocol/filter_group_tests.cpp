// The groups whose arrays the frame sizes: a received frame is laid out for the counts it states,
// cut to the arrays' room and to what the frame holds, so that the items behind the arrays are
// read where they are and nothing is read past the frame; and a frame built for sending with any
// count passes the frame check. Also the load strip chart's points and axis, the model codes of a
// version text, and the FDIR control's bits.

#include "protocol/group_copy.h"
#include "settings/frame_control_records.h"
#include "views/filter_records.h"
#include "views/load_strip.h"
#include "views/statistics_records.h"

#include "filter_frames.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

namespace {

using frame_bytes::Bytes;

// A Group 20101 stating `states` and `measurements` and carrying `sent_states` and
// `sent_measurements` values: state i is 100 + i, residual j is 200 + j, their RMS 300 + i and
// 400 + j; the reject word behind them.
Bytes kalman_update(std::uint16_t states, std::uint16_t measurements, std::size_t sent_states,
                    std::size_t sent_measurements, std::uint32_t reject)
{
    return filter_frames::kalman_update({states, measurements, sent_states, sent_measurements},
                                        reject);
}

// The frame as the views read it: through the group queue into a private copy.
template <class TRecord>
class CReceived {
public:
    TRecord &take(const Bytes &frame)
    {
        CByte_cursor cursor(frame.data(), frame.size());
        EXPECT_EQ(m_queue.read(cursor), EFrame_status::ok);
        TRecord *shared = nullptr;
        m_copy.take(Get(m_queue, shared));
        return m_copy.record();
    }

private:
    CGroup_buffer m_queue;
    TGroup_copy<TRecord> m_copy;
};

} // namespace

TEST(FilterGroups, ArraysTakeTheStatedCountsAndTheItemsBehindThemAreReadWhereTheyAre)
{
    CReceived<CGroup20101> received;
    CGroup20101 &update = received.take(kalman_update(7, 3, 7, 3, 0b101));
    ASSERT_EQ(update.x_minus().count(), 7u);
    ASSERT_EQ(update.meas_res().count(), 3u);
    EXPECT_EQ(update.update_time().get(), 12.5);
    EXPECT_EQ(update.x_minus()[6].get(), 106.0);
    EXPECT_EQ(update.rms_minus()[0].get(), 300.0);
    EXPECT_EQ(update.meas_res()[2].get(), 202.0);
    EXPECT_EQ(update.rms_meas_res()[2].get(), 402.0);
    EXPECT_TRUE(update.has_value(update.meas_reject()));
    EXPECT_TRUE(update.meas_reject().is_set(0));
    EXPECT_FALSE(update.meas_reject().is_set(1));
    EXPECT_TRUE(update.meas_reject().is_set(2));

    // The next frame of the same copy with other counts moves the reject word again.
    CGroup20101 &empty = received.take(kalman_update(0, 0, 0, 0, 0b10));
    EXPECT_EQ(empty.x_minus().count(), 0u);
    EXPECT_EQ(empty.meas_res().count(), 0u);
    EXPECT_TRUE(empty.meas_reject().is_set(1));
    EXPECT_FALSE(empty.meas_reject().is_set(0));
}

// A computer that states more than the arrays hold sends what they hold: the counts are cut to
// the room, and the reject word is read behind the values sent.
TEST(FilterGroups, CountsBeyondTheArraysAreCutToTheirRoom)
{
    CReceived<CGroup20101> received;
    for (const std::uint16_t stated : {std::uint16_t{40}, std::uint16_t{41}, std::uint16_t{65535}}) {
        CGroup20101 &update = received.take(kalman_update(stated, stated, 40, 20, 1U << 19));
        EXPECT_EQ(update.x_minus().count(), 40u) << stated;
        EXPECT_EQ(update.meas_res().count(), 20u) << stated;
        EXPECT_EQ(update.x_minus()[39].get(), 139.0) << stated;
        EXPECT_EQ(update.rms_meas_res()[19].get(), 419.0) << stated;
        EXPECT_TRUE(update.has_value(update.meas_reject())) << stated;
        EXPECT_TRUE(update.meas_reject().is_set(19)) << stated;
    }
}

// A frame shorter than its counts say: the arrays take what the frame holds, earlier arrays
// first; nothing past the frame is read as a value.
TEST(FilterGroups, CountsBeyondTheFrameAreCutToWhatItHolds)
{
    CReceived<CGroup20101> received;
    CGroup20101 &update = received.take(kalman_update(40, 20, 7, 0, 0));
    // 7 x 16 bytes of values and the 4 of the word behind the counts: 7 states, no residuals.
    EXPECT_EQ(update.x_minus().count(), 7u);
    EXPECT_EQ(update.meas_res().count(), 0u);
    EXPECT_TRUE(update.holds(update.rms_minus()[6]));
    EXPECT_TRUE(update.holds(update.meas_reject()));

    // Fewer bytes than one state pair: no states at all, and no reject word either.
    Bytes body;
    frame_bytes::put_f64(body, 1.0);
    frame_bytes::put_u16(body, 65535);
    frame_bytes::put_u16(body, 65535);
    CGroup20101 &cut = received.take(frame_bytes::group(CGroup20101::number_of_record, body));
    EXPECT_EQ(cut.x_minus().count(), 0u);
    EXPECT_EQ(cut.meas_res().count(), 0u);
    EXPECT_FALSE(cut.holds(cut.meas_reject()));
    EXPECT_LE(static_cast<std::size_t>(cut.footer().start() - cut.buffer()), cut.buffer_size());
}

TEST(FilterGroups, TheMeasurementGroupsLayOutBehindTheirConstructWord)
{
    CReceived<CGroup20102> received;
    CGroup20102 &measurements = received.take(filter_frames::kalman_measurements(2, 2, 0b11));
    EXPECT_EQ(measurements.z().count(), 2u);
    EXPECT_EQ(measurements.z()[1].get(), 11.0);
    EXPECT_EQ(measurements.r()[0].get(), 30.0);
    EXPECT_TRUE(measurements.construct().is_set(1));
    EXPECT_FALSE(measurements.construct().is_set(2));
    EXPECT_FALSE(measurements.construct().is_set(40)) << "no bit past the word";
}

// What the simulator sends: any count, even one the arrays cannot hold, framed so that the frame
// check passes and the receiver reads the values sent.
TEST(FilterGroups, AFrameLaidOutForSendingPassesTheCheckAndReadsBack)
{
    for (const std::size_t states : {std::size_t{0}, std::size_t{1}, std::size_t{20}}) {
        for (const std::size_t measurements : {std::size_t{0}, std::size_t{25}, std::size_t{30}}) {
            auto buffer = std::make_unique<std::byte[]>(CFrame_queue::buffer_size);
            CGroup20103 sent(buffer.get(), CFrame_queue::buffer_size);
            sent.lay_out_for_sending(states, measurements);
            sent.state_count().set(static_cast<std::uint16_t>(states));
            sent.measurement_count().set(65535);
            for (std::size_t j = 0; j < measurements; ++j) {
                sent.rms_meas_res()[j].set(static_cast<double>(j));
            }
            sent.meas_reject().set(1U << 30);
            sent.footer().compute_checksum();
            const Bytes frame(buffer.get(), buffer.get() + sent.size());
            ASSERT_EQ(frame::check(frame, EFrame_kind::group), EFrame_status::ok)
                << states << " " << measurements;

            CReceived<CGroup20103> received;
            CGroup20103 &update = received.take(frame);
            EXPECT_EQ(update.x_plus().count(), states);
            EXPECT_EQ(update.meas_res().count(), measurements);
            if (measurements > 0) {
                EXPECT_EQ(update.rms_meas_res()[measurements - 1].get(),
                          static_cast<double>(measurements - 1));
            }
            EXPECT_TRUE(update.meas_reject().is_set(30));
        }
    }
}

// --- the load strip chart ------------------------------------------------------------------

TEST(LoadStrip, TheAxisStartsAtTheFirstPointAndFollowsTheNewest)
{
    CLoad_strip strip;
    constexpr double day = CLoad_strip::seconds_per_day;
    EXPECT_TRUE(strip.take(2, 3600, true, 40).added);
    EXPECT_DOUBLE_EQ(strip.axis_minimum() * day, 3600);
    EXPECT_DOUBLE_EQ(strip.axis_maximum() * day, 3700);
    strip.take(2, 3650, true, 41);
    EXPECT_DOUBLE_EQ(strip.axis_maximum() * day, 3700) << "inside the axis: no shift";
    strip.take(2, 3750, true, 42);
    EXPECT_NEAR(strip.axis_minimum() * day, 3650, 1e-6);
    EXPECT_NEAR(strip.axis_maximum() * day, 3750, 1e-6);
    EXPECT_EQ(strip.points().size(), 3u);
}

// 604799 s, then 1 s: the second point lies a week later, after the first, and the points after
// it continue from there (the week is added once, not again for every point).
TEST(LoadStrip, ATimeGoingBackMoreThanHalfADayIsTheNextWeek)
{
    CLoad_strip strip;
    constexpr double day = CLoad_strip::seconds_per_day;
    strip.take(1, 604799, true, 10);
    strip.take(1, 1, true, 11);
    strip.take(1, 2, true, 12);
    ASSERT_EQ(strip.points().size(), 3u);
    EXPECT_NEAR(strip.points()[1].x * day, 7 * day + 1, 1e-6);
    EXPECT_NEAR(strip.points()[2].x * day, 7 * day + 2, 1e-6);
    EXPECT_GT(strip.points()[1].x, strip.points()[0].x);
    EXPECT_DOUBLE_EQ(strip.day_offset(), 7);
    EXPECT_NEAR(strip.axis_maximum() * day, 604899, 1e-6) << "the newest point is on the axis";

    // Going back less than half a day is a late report, not a new week.
    strip.take(1, 2 - 3600, true, 13);
    EXPECT_DOUBLE_EQ(strip.day_offset(), 7);
}

TEST(LoadStrip, ANewTimeTypeClearsAndReportsWithoutLoadOrTimeAddNothing)
{
    CLoad_strip strip;
    strip.take(2, 100, true, 10);
    strip.take(2, 101, true, 11);
    const CLoad_strip::SChange no_load = strip.take(2, 102, false, 0);
    EXPECT_FALSE(no_load.added);
    const CLoad_strip::SChange no_time =
        strip.take(2, std::numeric_limits<double>::quiet_NaN(), true, 12);
    EXPECT_FALSE(no_time.added);
    EXPECT_EQ(strip.points().size(), 2u);
    EXPECT_TRUE(std::isfinite(strip.axis_minimum()) && std::isfinite(strip.axis_maximum()));

    const CLoad_strip::SChange other_type = strip.take(1, 5000, true, 20);
    EXPECT_TRUE(other_type.cleared);
    ASSERT_EQ(strip.points().size(), 1u);
    EXPECT_DOUBLE_EQ(strip.points().front().load, 20);
}

TEST(LoadStrip, The3601stPointDropsTheFirst)
{
    CLoad_strip strip;
    for (int second = 0; second < 3600; ++second) {
        EXPECT_EQ(strip.take(2, second, true, second % 100).dropped, 0u);
    }
    const CLoad_strip::SChange change = strip.take(2, 3600, true, 1);
    EXPECT_EQ(change.dropped, 1u);
    EXPECT_EQ(strip.points().size(), CLoad_strip::capacity);
    EXPECT_DOUBLE_EQ(strip.points().front().x * CLoad_strip::seconds_per_day, 1);
    strip.reset();
    EXPECT_TRUE(strip.points().empty());
    EXPECT_DOUBLE_EQ(strip.day_offset(), 0);
}

// --- model codes and the FDIR control --------------------------------------------------------

TEST(ModelCodes, TheModelBeforeTheFirstCommaAndTheSubModelUpToTheDash)
{
    const SModel_codes hotlink = ModelCodesOf("7,2-korusim 0.1, simulated KORU computer");
    EXPECT_EQ(hotlink.model, "7");
    EXPECT_EQ(hotlink.sub_model, "2");
    const SModel_codes built = ModelCodesOf("510,VER5,S/N1234,HW2.1,SW3.25,ICD4.0");
    EXPECT_EQ(built.model, "510");
    EXPECT_EQ(built.sub_model, "VER5,S/N1234,HW2.1,SW3.25,ICD4.0");
    const SModel_codes bare = ModelCodesOf("None");
    EXPECT_EQ(bare.model, "None");
    EXPECT_EQ(bare.sub_model, "");
}

TEST(FdirControl, BuiltWithTheTwanSolutionInUseAndEveryOtherBitClear)
{
    CMessage20101 message;
    EXPECT_EQ(message.fdir_control().get(), 1U << CFdir_control::bits::use_twan);
    EXPECT_STREQ(message.fdir_control().bit(3)->name().c_str(),
                 "Disable Aux GPS Position Measurement Construction");
}
