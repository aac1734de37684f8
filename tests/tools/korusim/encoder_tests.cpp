// The groups korusim sends, read back through the protocol library's records: they pass the frame
// check and carry the computer's state.

#include "tools/korusim/computer.h"
#include "tools/korusim/group_encoders.h"

#include "protocol/navigation_groups.h"
#include "views/filter_records.h"
#include "views/gps_data_records.h"
#include "views/iin_status_records.h"
#include "views/statistics_records.h"
#include "views/subsystem_status_records.h"

#include "frame_bytes.h"
#include "settings_frames.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <set>
#include <memory>
#include <string>

namespace {

using frame_bytes::Bytes;

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

// Every text field of `item` and its parts, as the bytes on the wire; the header's and the
// footer's markers are not among them.
void collect_texts(const CItem &item, std::vector<std::string> &texts)
{
    if (dynamic_cast<const CGroup_header *>(&item) != nullptr ||
        dynamic_cast<const CFrame_footer *>(&item) != nullptr) {
        return;
    }
    if (dynamic_cast<const TScalar<char *> *>(&item) != nullptr) {
        texts.emplace_back(reinterpret_cast<const char *>(item.start()), item.size());
    } else if (const auto *composite = dynamic_cast<const CComposite_item *>(&item)) {
        for (std::size_t i = 0; i < composite->child_count(); ++i) {
            collect_texts(composite->child(i), texts);
        }
    }
}

CGroup_encoder &encoder_of(const Group_encoders &encoders, std::uint16_t number)
{
    const auto found = std::find_if(encoders.begin(), encoders.end(),
                                    [number](const auto &e) { return e->number() == number; });
    return **found;
}

class EncoderTest : public ::testing::Test {
protected:
    static SOptions options_for_test()
    {
        SOptions options;
        options.display_groups = {1, 2, 101};
        return options;
    }

    CGroup_encoder &encoder(std::uint16_t number) { return encoder_of(encoders, number); }
    template <class TGroup>
    TDecoded<TGroup> decoded(double t)
    {
        return TDecoded<TGroup>(encoder(TGroup::number_of_record).encode(computer.snapshot(t)));
    }

    // The text fields of the groups TGroups at `t`.
    template <class... TGroups>
    std::vector<std::string> text_fields(double t)
    {
        std::vector<std::string> texts;
        (collect_texts(decoded<TGroups>(t).record, texts), ...);
        return texts;
    }

    SOptions options = options_for_test();
    CComputer computer{options};
    Group_encoders encoders = make_group_encoders();
};

// A group frame written out with the header korusim gives every group at `snapshot`: UTC time of
// day, time since power-on, the distance, UTC and the computer's own time, its own distance.
Bytes group_frame(std::uint16_t number, const SSnapshot &snapshot, const Bytes &body)
{
    Bytes full;
    frame_bytes::put_f64(full, snapshot.utc_of(snapshot.time));
    frame_bytes::put_f64(full, snapshot.time);
    frame_bytes::put_f64(full, snapshot.nav.distance);
    frame_bytes::put_u8(full, 0x02);
    frame_bytes::put_u8(full, 0x01);
    frame_bytes::append(full, body);
    return frame_bytes::make_frame("$GRP", number, full);
}

Bytes bytes_of(std::span<const std::byte> frame)
{
    return Bytes(frame.begin(), frame.end());
}

TEST_F(EncoderTest, EveryGroupPassesTheFrameCheck)
{
    ASSERT_EQ(group_defaults(encoders).size(), 53u);
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
    const std::set<std::string> always = {"Initial Position Valid"};
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

// The PC card's bits of General Status A a Group 101 at `t` carries.
std::set<std::string> pc_card_bits(CComputer &computer, CGroup_encoder &status, double t)
{
    TDecoded<CGroup_fdir> group(status.encode(computer.snapshot(t)));
    std::set<std::string> names;
    for (const std::string &name : names_of_set_bits(group.record.general_status_a())) {
        if (name.starts_with("Log Port")) {
            names.insert(name);
        }
    }
    return names;
}

// Recording starts and stops with Message 4: the file is opened while the first data is
// buffered, then written; the card fills only while recording.
TEST_F(EncoderTest, PcCardRecordsFromStartLoggingToStopLogging)
{
    CGroup_encoder &status = encoder(101);
    EXPECT_TRUE(pc_card_bits(computer, status, 5).empty()) << "navigating does not record";
    EXPECT_EQ(decoded<CGroup8>(10).record.kbytes_logged().get(), 0u);

    ASSERT_EQ(
        computer.answer(korusim_test::pc_card_logging_message(1, true), EFrame_status::ok, 10).code,
        1);
    EXPECT_EQ(pc_card_bits(computer, status, 10.5),
              (std::set<std::string>{"Log Port Loging Enabled"}))
        << "buffering";
    EXPECT_EQ(pc_card_bits(computer, status, 15),
              (std::set<std::string>{"Log Port Loging Enabled", "Log Port File Open"}))
        << "writing";
    auto at_12 = decoded<CGroup8>(12);
    auto at_15 = decoded<CGroup8>(15);
    EXPECT_EQ(at_15.record.kbytes_logged().get(), 5u * 1024);
    EXPECT_EQ(at_12.record.kbytes_remaining().get() - at_15.record.kbytes_remaining().get(),
              3u * 1024);
    EXPECT_LT(at_15.record.time_remaining().get(), at_12.record.time_remaining().get());

    computer.answer(korusim_test::pc_card_logging_message(2, false), EFrame_status::ok, 20);
    EXPECT_TRUE(pc_card_bits(computer, status, 25).empty());
    EXPECT_EQ(decoded<CGroup8>(25).record.kbytes_logged().get(), 10u * 1024);
}

// "Automatic Logging", once saved, starts recording at the next power-on.
TEST_F(EncoderTest, AutomaticLoggingRecordsFromPowerOn)
{
    computer.answer(korusim_test::pc_card_logging_message(1, false, true), EFrame_status::ok, 1);
    computer.answer(frame_bytes::message(8, 2, {std::byte{1}}), EFrame_status::ok, 2);
    EXPECT_TRUE(pc_card_bits(computer, encoder(101), 3).empty());
    computer.restart(10);
    EXPECT_EQ(pc_card_bits(computer, encoder(101), 15),
              (std::set<std::string>{"Log Port Loging Enabled", "Log Port File Open"}));
}

TEST_F(EncoderTest, AFullCardIsReportedOnceRecordingStarts)
{
    SOptions full_card = options;
    full_card.pc_card_full = true;
    CComputer full(full_card);
    full.answer(korusim_test::pc_card_logging_message(1, true), EFrame_status::ok, 1);
    EXPECT_EQ(pc_card_bits(full, encoder(101), 5),
              (std::set<std::string>{"Log Port Loging Enabled", "Log Port Device Full"}));
    TDecoded<CGroup8> disk(encoder(8).encode(full.snapshot(5)));
    EXPECT_EQ(disk.record.kbytes_remaining().get(), 0u);
    EXPECT_EQ(disk.record.kbytes_logged().get(), 0u);
}

TEST_F(EncoderTest, Group4ReportsTheImuDataRateCodeItIsGiven)
{
    EXPECT_EQ(decoded<CGroup4>(1).record.data_rate().get(), 2);
    SOptions faster = options;
    faster.imu_data_rate_code = 7;
    CComputer at_300_hz(faster);
    TDecoded<CGroup4> imu(encoder(4).encode(at_300_hz.snapshot(1)));
    EXPECT_EQ(imu.record.data_rate().get(), 7);
}

// Group 20106 at 72.5 s, in full navigation: counts of 200 Hz, 10 Hz, 50 Hz and 1 Hz events,
// then the navigation solution as its ten "Data" values.
TEST_F(EncoderTest, IinStatusIsEncodedByteForByteWithAndWithoutItsData)
{
    const SSnapshot snapshot = computer.snapshot(72.5);
    Bytes body;
    for (const std::uint32_t value : {0u, 14500u, 0u}) { // file error, runs, restarts
        frame_bytes::put_u32(body, value);
    }
    frame_bytes::put_u8(body, 0); // SNV data status: full navigation
    // SDNAV runs, error control runs; messages from GPS, IMU, extrapolation, update; bad IMU
    // data; messages from the input manager and rejected; proxies queued, exceptions; MPA
    // status; errors.
    for (const std::uint32_t value :
         {14500u, 72u, 725u, 14500u, 3625u, 72u, 0u, 725u, 0u, 0u, 0u, 0u, 0u, 0u, 0u}) {
        frame_bytes::put_u32(body, value);
    }
    const Bytes short_frame = group_frame(20106, snapshot, body);
    const SNav_state &nav = snapshot.nav;
    for (const double value :
         {nav.latitude, nav.longitude, nav.altitude, nav.velocity[0], nav.velocity[1],
          nav.velocity[2], nav.attitude[0], nav.attitude[1], nav.attitude[2], nav.speed}) {
        frame_bytes::put_f64(body, value);
    }
    const Bytes long_frame = group_frame(20106, snapshot, body);
    ASSERT_EQ(long_frame.size(), 192u);
    ASSERT_EQ(short_frame.size(), 112u);

    EXPECT_EQ(bytes_of(encoder(20106).encode(snapshot)), long_frame);
    const Group_encoders short_encoders = make_group_encoders(EIin_form::short_form);
    EXPECT_EQ(bytes_of(encoder_of(short_encoders, 20106).encode(snapshot)), short_frame);
}

// A group in its long and short forms: the byte counts, and the short one is the long one up
// to `body_end` (the 34-byte header and the items before the part left off), then a zero pad.
struct SForms {
    std::uint16_t number;
    std::uint16_t long_byte_count;
    std::uint16_t short_byte_count;
    std::size_t body_end;
};

void expect_forms(const Group_encoders &long_encoders, const Group_encoders &short_encoders,
                  const SSnapshot &snapshot, const SForms &forms)
{
    const Bytes whole = bytes_of(encoder_of(long_encoders, forms.number).encode(snapshot));
    const Bytes cut = bytes_of(encoder_of(short_encoders, forms.number).encode(snapshot));
    EXPECT_EQ(frame::check(whole, EFrame_kind::group), EFrame_status::ok) << forms.number;
    EXPECT_EQ(frame::check(cut, EFrame_kind::group), EFrame_status::ok) << forms.number;
    EXPECT_EQ(frame::byte_count_of(whole), forms.long_byte_count) << forms.number;
    EXPECT_EQ(frame::byte_count_of(cut), forms.short_byte_count) << forms.number;
    const auto body_end = static_cast<std::ptrdiff_t>(forms.body_end);
    EXPECT_TRUE(std::equal(cut.begin() + 8, cut.begin() + body_end, whole.begin() + 8))
        << forms.number << ": the body up to the part left off is the long frame's";
    EXPECT_TRUE(std::all_of(cut.begin() + body_end, cut.end() - 4,
                            [](std::byte b) { return b == std::byte{0}; }))
        << forms.number << ": zero pad";
}

// The other three task groups: the short form is the long one without the "Data" values.
TEST_F(EncoderTest, IinTaskGroupsShortAndLong)
{
    const SSnapshot snapshot = computer.snapshot(72.5);
    const Group_encoders short_encoders = make_group_encoders(EIin_form::short_form);
    for (const SForms &forms : {SForms{20106, 184, 104, 34 + 73}, SForms{20107, 156, 76, 34 + 45},
                                SForms{20108, 164, 84, 34 + 54}, SForms{20109, 172, 92, 34 + 60}}) {
        expect_forms(encoders, short_encoders, snapshot, forms);
    }
}

// The discrete group without its four user-time values, the output manager's without its socket.
TEST_F(EncoderTest, StatusGroupsShortAndLong)
{
    const SSnapshot snapshot = computer.snapshot(72.5);
    const Group_encoders short_encoders =
        make_group_encoders(EIin_form::full, EStatus_form::short_form);
    for (const SForms &forms :
         {SForms{20110, 192, 160, 34 + 130}, SForms{20115, 156, 136, 34 + 106}}) {
        expect_forms(encoders, short_encoders, snapshot, forms);
    }
    EXPECT_EQ(bytes_of(encoder_of(short_encoders, 20111).encode(snapshot)),
              bytes_of(encoder(20111).encode(snapshot)))
        << "groups without a tail keep their one form";
}

TEST_F(EncoderTest, IinTaskCountsMoveWithTheComputersTime)
{
    auto update = decoded<CGroup20107>(72.5);
    EXPECT_EQ(update.record.update_runs().get(), 72u);
    EXPECT_EQ(update.record.iin_mode().get(), 3) << "full navigation";
    EXPECT_FLOAT_EQ(static_cast<float>(update.record.data(0).get()),
                    static_cast<float>(computer.snapshot(72.5).status.rms_position[0]));

    auto prefilter = decoded<CGroup20108>(72.5);
    EXPECT_EQ(prefilter.record.prefilter_runs().get(), 725u);
    EXPECT_EQ(prefilter.record.msgs_from_imgr().get(), 725 % 256) << "a single byte wraps";

    auto early = decoded<CGroup20109>(72.5);
    auto later = decoded<CGroup20109>(80.25);
    EXPECT_DOUBLE_EQ(early.record.x_minus_time().get(), 72.0);
    EXPECT_DOUBLE_EQ(early.record.dx_time().get(), 0.5);
    EXPECT_EQ(early.record.extrap_runs().get(), 3625u);
    EXPECT_EQ(later.record.extrap_runs().get(), 4012u);
    EXPECT_LT(early.record.data(1).get(), later.record.data(1).get()) << "flying east";
    EXPECT_EQ(later.record.mpa_status().get(), 0);

    SOptions standing_by = options;
    standing_by.start_in_standby = true;
    CComputer idle(standing_by);
    auto no_solution = TDecoded<CGroup20107>(encoder(20107).encode(idle.snapshot(5)));
    EXPECT_FALSE(no_solution.record.data(0).is_valid()) << "no accuracy while standing by";
    auto no_status = TDecoded<CGroup20106>(encoder(20106).encode(idle.snapshot(5)));
    EXPECT_FALSE(no_status.record.snv_data_status().is_valid());
}

// Group 20114 at 12.5 s: 125 schedules and proxies, the valid messages of the NMEA output, the
// port set up as COM 1, no failure and the name of none filled with blanks.
TEST_F(EncoderTest, NmeaPortStatusIsEncodedByteForByte)
{
    const SSnapshot snapshot = computer.snapshot(12.5);
    Bytes body;
    frame_bytes::put_u16(body, 0);    // proxy exceptions
    frame_bytes::put_u16(body, 125);  // proxy count
    frame_bytes::put_u16(body, 0);    // COM write failures
    frame_bytes::put_u32(body, 125);  // schedule count
    frame_bytes::put_u32(body, 0x0B); // IIN data, Group 2, Group 101
    frame_bytes::put_u8(body, 0);     // port set up
    frame_bytes::put_u8(body, 1);     // COM 1
    frame_bytes::put_u32(body, 0);    // MPA request failures
    frame_bytes::put_text(body, "None            ");
    frame_bytes::put_u16(body, 0); // last MPA failure status
    const Bytes frame = group_frame(20114, snapshot, body);
    ASSERT_EQ(frame::byte_count_of(frame), 68);
    EXPECT_EQ(bytes_of(encoder(20114).encode(snapshot)), frame);
}

// The computer's text fields are not terminated: korusim fills each to its last byte.
TEST_F(EncoderTest, StatusTextFieldsFillTheirWholeField)
{
    const std::vector<std::string> texts =
        text_fields<CGroup20110, CGroup20111, CGroup20112, CGroup20113, CGroup20114, CGroup20115,
                    CGroup20116, CGroup20117, CGroup20118, CGroup20119, CGroup20120, CGroup20121,
                    CGroup20122, CGroup20123, CGroup20124, CGroup20125, CGroup20126>(30);
    ASSERT_EQ(texts.size(), 16u);
    for (const std::string &text : texts) {
        EXPECT_EQ(text.find('\0'), std::string::npos) << text;
        EXPECT_NE(text.front(), ' ') << "a name, then blanks: " << text;
    }
    EXPECT_EQ(decoded<CGroup20111>(30).record.hardware_interface().text(), "SDLC-PCI IMU BOARD");
    EXPECT_EQ(decoded<CGroup20123>(30).record.port().text(), "COM5 38400 8N1    ");
}

// Each status group carries counts that grow with the computer's time.
TEST_F(EncoderTest, StatusCountsMoveWithTheComputersTime)
{
    EXPECT_EQ(decoded<CGroup20120>(5).record.logging_state().text(), "Idle            ");
    computer.answer(korusim_test::pc_card_logging_message(1, true), EFrame_status::ok, 5);
    EXPECT_EQ(decoded<CGroup20120>(5.5).record.logging_state().text(), "Opening File    ");
    EXPECT_EQ(decoded<CGroup20120>(10).record.logging_state().text(), "Logging         ");
    for (std::uint16_t number = 20110; number <= 20126; ++number) {
        const Bytes early = bytes_of(encoder(number).encode(computer.snapshot(10)));
        const Bytes later = bytes_of(encoder(number).encode(computer.snapshot(20)));
        ASSERT_EQ(early.size(), later.size()) << number;
        EXPECT_FALSE(std::equal(early.begin() + 34, early.end() - 4, later.begin() + 34))
            << number << ": the same body at 10 s and 20 s";
    }
    EXPECT_EQ(decoded<CGroup20111>(12.5).record.data_frames().get(), 2500u) << "200 Hz";
    EXPECT_EQ(decoded<CGroup20112>(12.5).record.processor_calls().get(), 125u) << "10 Hz";
    EXPECT_EQ(decoded<CGroup20124>(12.5).record.port_writes().get(), 125u) << "10 Hz";
    EXPECT_EQ(decoded<CGroup20125>(12.5).record.port_writes().get(),
              computer.snapshot(12.5).data_port_reads);

    auto aligning = decoded<CGroup20110>(10);
    auto flying = decoded<CGroup20110>(options.align_seconds + 150);
    EXPECT_EQ(aligning.record.direction_of_travel().get(), 0) << "stationary";
    EXPECT_EQ(flying.record.direction_of_travel().get(), 1) << "forward";
    EXPECT_GT(flying.record.up_counter_hits().get(), aligning.record.up_counter_hits().get());
}

} // namespace

// The filter groups state the counts they are told, even counts their arrays cannot hold, and
// carry as many values as fit; what they send passes the frame check and reads back as sent.
TEST_F(EncoderTest, FilterGroupsStateTheCountsTheyAreToldAndCarryWhatFits)
{
    options.filter_counts = {65535, 21, 0, 30};
    CComputer told(options);
    const SSnapshot snapshot = told.snapshot(30);
    TDecoded<CGroup20101> update(encoder(20101).encode(snapshot));
    EXPECT_EQ(update.record.state_count().get(), 65535);
    EXPECT_EQ(update.record.measurement_count().get(), 21);
    update.record.lay_out_received();
    EXPECT_EQ(update.record.x_minus().count(), 40u);
    EXPECT_EQ(update.record.meas_res().count(), 20u);
    EXPECT_TRUE(update.record.meas_reject().is_set(3));

    TDecoded<CGroup20102> measurements(encoder(20102).encode(snapshot));
    measurements.record.lay_out_received();
    EXPECT_EQ(measurements.record.z().count(), 20u);
    EXPECT_FALSE(measurements.record.construct().is_set(5));
    EXPECT_TRUE(measurements.record.construct().is_set(19));

    TDecoded<CGroup20103> twan(encoder(20103).encode(snapshot));
    twan.record.lay_out_received();
    EXPECT_EQ(twan.record.x_plus().count(), 0u);
    EXPECT_EQ(twan.record.rms_meas_res().count(), 30u);
    for (const std::uint16_t number : {20101, 20102, 20103, 20104}) {
        const std::span<const std::byte> frame = encoder(number).encode(snapshot);
        EXPECT_EQ(frame::check(frame, EFrame_kind::group), EFrame_status::ok) << number;
    }
}

TEST_F(EncoderTest, TheVersionTextsNameTheModel)
{
    auto versions = decoded<CGroup99>(1);
    EXPECT_EQ(ModelCodesOf(versions.record.koru_version().text()).model, "510");
    EXPECT_EQ(ModelCodesOf(versions.record.koru_version().text()).sub_model, "5");
    EXPECT_EQ(decoded<CGroup108>(1).record.system_model().get(), 510u);

    options.hotlink_model = true;
    CComputer hotlink(options);
    TDecoded<CGroup99> hotlink_versions(encoder(99).encode(hotlink.snapshot(1)));
    EXPECT_EQ(ModelCodesOf(hotlink_versions.record.koru_version().text()).model, "7");
    EXPECT_EQ(ModelCodesOf(hotlink_versions.record.koru_version().text()).sub_model, "2");
}

// UTC time of day, or with the week-end switch GPS time of week that goes back to 0 ten seconds
// after power-on.
TEST_F(EncoderTest, TheLoadGroupIsTaggedWithUtcOrWithGpsTimeNearTheWeeksEnd)
{
    auto utc = decoded<CGroup20105>(4);
    EXPECT_EQ(utc.record.header().time_types().time_type_1().get(), 2);
    EXPECT_DOUBLE_EQ(utc.record.header().time_1().get(), 8 * 3600 + 4);
    EXPECT_TRUE(utc.record.has_value(utc.record.current_load()));

    options.week_end = true;
    CComputer week_end(options);
    TDecoded<CGroup20105> before(encoder(20105).encode(week_end.snapshot(4)));
    EXPECT_EQ(before.record.header().time_types().time_type_1().get(), 1);
    EXPECT_DOUBLE_EQ(before.record.header().time_1().get(), 604794);
    TDecoded<CGroup20105> after(encoder(20105).encode(week_end.snapshot(12)));
    EXPECT_DOUBLE_EQ(after.record.header().time_1().get(), 2);
}
namespace {

// The receivers' groups read back as the view reads them: laid out for the count they carry.
template <class TGroup>
std::unique_ptr<TDecoded<TGroup>> received(const SOptions &options, double t)
{
    CComputer computer(options);
    const Group_encoders encoders = make_group_encoders();
    auto decoded = std::make_unique<TDecoded<TGroup>>(
        encoder_of(encoders, TGroup::number_of_record).encode(computer.snapshot(t)));
    if constexpr (requires { decoded->record.lay_out_received(); }) {
        decoded->record.lay_out_received();
    }
    return decoded;
}

TEST(GnssEncoderTest, ReceiversReportTheirSatellitesMovingOverTheSky)
{
    SOptions options;
    auto early = received<CGroup3>(options, 100);
    auto later = received<CGroup3>(options, 400);
    CGroup3 &primary = early->record;
    ASSERT_EQ(primary.sv().count(), 12u);
    EXPECT_EQ(primary.gps_mode().get(), 4);
    EXPECT_EQ(primary.receiver_type().get(), 1);
    EXPECT_EQ(primary.receiver_status().get(), 0x000B00FFu);
    EXPECT_TRUE(primary.holds(primary.receiver_status()));
    std::set<unsigned> systems;
    for (std::size_t k = 0; k < primary.sv().count(); ++k) {
        CSv_data &sv = primary.sv()[k];
        const unsigned prn = sv.prn().get();
        systems.insert(prn <= 37 ? 0 : prn <= 75 ? 1 : 2);
        EXPECT_GE(sv.elevation().get(), 0.0f);
        EXPECT_LE(sv.elevation().get(), 90.0f);
        EXPECT_GE(sv.azimuth().get(), 0.0f);
        EXPECT_LT(sv.azimuth().get(), 360.0f);
        EXPECT_NE(sv.azimuth().get(), later->record.sv()[k].azimuth().get()) << "moves";
    }
    EXPECT_EQ(systems.size(), 3u) << "GPS, GLONASS and SBAS satellites";
    auto auxiliary = received<CGroup107>(options, 100);
    EXPECT_EQ(auxiliary->record.nmea_messages().get(), 0xF);
    EXPECT_TRUE(auxiliary->record.holds(auxiliary->record.aux_data_in_use()));
}

TEST(GnssEncoderTest, SwitchesReachTheReceiversAndFaultWords)
{
    SOptions options;
    options.receivers.sv_count = 255;
    options.receivers.no_data = true;
    options.receivers.receiver_status[1] = 0x1234;
    options.receiver_types[1] = 2;
    options.receivers.fdir_levels[4] = 0x5;
    options.receivers.imu_type = 3;
    options.receivers.imu_status = 0x4481;
    auto secondary = received<CGroup106>(options, 50);
    EXPECT_EQ(secondary->record.sv_count().get(), 255) << "the count as switched";
    EXPECT_EQ(secondary->record.sv().count(), 30u) << "thirty records carried";
    EXPECT_EQ(secondary->record.gps_mode().get(), 0);
    EXPECT_EQ(secondary->record.receiver_type().get(), 2);
    EXPECT_EQ(secondary->record.receiver_status().get(), 0x1234u);
    auto status = received<CGroup_fdir>(options, 50);
    EXPECT_EQ(status->record.fdir_level_5().get(), 0x5);
    auto imu = received<CGroup4>(options, 50);
    EXPECT_EQ(imu->record.imu_type().get(), 3);
    EXPECT_EQ(imu->record.imu_status().get(), 0x4481);

    options.receivers.sv_count = 0;
    auto none = received<CGroup3>(options, 50);
    EXPECT_EQ(none->record.sv().count(), 0u);
    EXPECT_FLOAT_EQ(none->record.hdop().get(), 0.9f);
}

} // namespace
