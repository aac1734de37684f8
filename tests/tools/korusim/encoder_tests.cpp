// The groups korusim sends, read back through the protocol library's records: they pass the frame
// check and carry the computer's state.

#include "tools/korusim/computer.h"
#include "tools/korusim/group_encoders.h"

#include "protocol/navigation_groups.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <set>
#include <string>

namespace {

// A group record over a copy of a frame.
template <class TGroup>
struct TDecoded {
    explicit TDecoded(std::span<const std::byte> frame)
    {
        std::memcpy(buffer.data(), frame.data(), frame.size());
    }
    std::array<std::byte, CFrame_queue::buffer_size> buffer{};
    TGroup record{buffer.data(), buffer.size()};
};

template <class TWord>
std::set<std::string> names_of_set_bits(TWord &word)
{
    std::set<std::string> names;
    for (unsigned bit = 0; bit < TWord::bit_count; ++bit) {
        if ((word.get() >> bit & 1) != 0) {
            names.insert(word.bit(bit) != nullptr ? word.bit(bit)->name()
                                                  : "bit " + std::to_string(bit));
        }
    }
    return names;
}

class EncoderTest : public ::testing::Test {
protected:
    static SOptions options_for_test()
    {
        SOptions options;
        options.display_groups = {1, 2, 101};
        return options;
    }

    CGroup_encoder &encoder(std::uint16_t number)
    {
        const auto found = std::find_if(encoders.begin(), encoders.end(),
                                        [number](const auto &e) { return e->number() == number; });
        return **found;
    }
    template <class TGroup>
    TDecoded<TGroup> decoded(double t)
    {
        return TDecoded<TGroup>(encoder(TGroup::number_of_record).encode(computer.snapshot(t)));
    }

    SOptions options = options_for_test();
    CComputer computer{options};
    Group_encoders encoders = make_group_encoders();
};

TEST_F(EncoderTest, EveryGroupPassesTheFrameCheck)
{
    ASSERT_EQ(group_defaults(encoders).size(), 10u);
    const SSnapshot snapshot = computer.snapshot(100.05);
    for (const auto &group : encoders) {
        const std::span<const std::byte> frame = group->encode(snapshot);
        EXPECT_EQ(frame::check(frame, EFrame_kind::group), EFrame_status::ok)
            << "group " << group->number();
        EXPECT_EQ(frame::number_of(frame), group->number());
        EXPECT_EQ(frame::byte_count_of(frame) + frame::prefix_length, frame.size());
    }
}

TEST_F(EncoderTest, HeadersCarryUtcTimeOfDayAndTimeSincePowerOn)
{
    auto group = decoded<CGroup1>(12.25);
    CGroup_header &header = group.record.header();
    EXPECT_DOUBLE_EQ(header.time_1().get(), 8 * 3600 + 12.25);
    EXPECT_DOUBLE_EQ(header.time_2().get(), 12.25);
    EXPECT_EQ(header.time_types().time_type_1().get(), 2) << "UTC";
    EXPECT_EQ(header.time_types().time_type_2().get(), 0) << "the computer's own time";
    EXPECT_EQ(header.distance_types().distance_type().get(), 1);
}

TEST_F(EncoderTest, NavigationGroupCarriesTheFlight)
{
    const double t = options.align_seconds + 150;
    const SNav_state nav = computer.snapshot(t).nav;
    auto group = decoded<CGroup1>(t);
    CGroup1 &record = group.record;
    EXPECT_EQ(record.position().latitude().get(), nav.latitude);
    EXPECT_EQ(record.position().longitude().get(), nav.longitude);
    EXPECT_EQ(record.position().altitude().get(), nav.altitude);
    EXPECT_EQ(record.velocity().north().get(), static_cast<float>(nav.velocity[0]));
    EXPECT_EQ(record.attitude().heading().get(), nav.attitude[2]);
    EXPECT_EQ(record.speed().get(), static_cast<float>(nav.speed));
    EXPECT_EQ(record.angular_accel().transverse().get(), static_cast<float>(nav.acceleration[1]));
    EXPECT_EQ(record.solution_status().get(), 0) << "full navigation";
    EXPECT_DOUBLE_EQ(record.header().distance_tag().get(), nav.distance);
}

TEST_F(EncoderTest, PulseGroupsTellTheLastPulseInTheirHeader)
{
    auto pps = decoded<CGroup7>(3.7);
    EXPECT_EQ(pps.record.pulse_number().get(), 3u);
    EXPECT_DOUBLE_EQ(pps.record.header().time_2().get(), 3.0);
    auto event_1 = decoded<CGroup5>(3.7);
    EXPECT_EQ(event_1.record.pulse_number().get(), 2u);
    EXPECT_DOUBLE_EQ(event_1.record.header().time_2().get(), 2.5);
    EXPECT_EQ(decoded<CGroup6>(1.0).record.pulse_number().get(), 0u);
}

TEST_F(EncoderTest, StatusWordsFollowTheAlignment)
{
    const std::set<std::string> always = {"Initial Position Valid", "Log Port File Open",
                                          "Log Port Loging Enabled"};
    const auto status_a = [&](double t) {
        auto group = decoded<CGroup_fdir>(t);
        std::set<std::string> names = names_of_set_bits(group.record.general_status_a());
        for (const std::string &name : always) {
            EXPECT_EQ(names.erase(name), 1u) << name << " at " << t;
        }
        return names;
    };
    EXPECT_EQ(status_a(5),
              (std::set<std::string>{"Coarse Leveling Active", "Nav Alignment Active"}));
    EXPECT_EQ(status_a(30), (std::set<std::string>{"Quadrant Resolved", "Fine Align Active",
                                                   "SDnav Initialized", "Nav Alignment Active"}));
    EXPECT_EQ(status_a(70), (std::set<std::string>{"Quadrant Resolved", "SDnav Initialized",
                                                   "Full Nav Solution"}));

    auto navigating = decoded<CGroup_fdir>(options.align_seconds + 40);
    EXPECT_EQ(names_of_set_bits(navigating.record.general_status_b()),
              (std::set<std::string>{"User Att RMS Perf", "User Hdg RMS Perf", "User Pos RMS Perf",
                                     "User Vel RMS Perf", "Pri GPS Sol In Use",
                                     "Pri GPS In Narrow Lane RTK Mode"}));
    EXPECT_TRUE(names_of_set_bits(navigating.record.general_status_c()).empty());
}

TEST_F(EncoderTest, AccuracyImprovesAndIsNoDataInStandby)
{
    const auto north = [this](double t) {
        auto group = decoded<CGroup2>(t);
        return group.record.rms_position().north().get();
    };
    EXPECT_GT(north(20), north(50));
    EXPECT_GT(north(50), north(200));

    SOptions standing_by = options;
    standing_by.start_in_standby = true;
    CComputer idle(standing_by);
    auto group = TDecoded<CGroup2>(encoder(2).encode(idle.snapshot(5)));
    EXPECT_FALSE(group.record.rms_position().north().is_valid());
    EXPECT_FALSE(group.record.rms_attitude().heading().is_valid());
}

TEST_F(EncoderTest, DiskFillsWhileNavigating)
{
    auto at_10 = decoded<CGroup8>(10);
    auto at_20 = decoded<CGroup8>(20);
    EXPECT_EQ(at_10.record.kbytes_remaining().get() - at_20.record.kbytes_remaining().get(),
              10u * 1024);
    EXPECT_EQ(at_20.record.kbytes_logged().get(), 20u * 1024);
    EXPECT_LT(at_20.record.time_remaining().get(), at_10.record.time_remaining().get());
}

} // namespace
