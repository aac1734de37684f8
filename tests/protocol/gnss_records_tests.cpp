// The GNSS receivers' groups: their layout, and the satellite array laid out for the count a
// received frame carries, never past its room nor past the frame, with the items behind it read
// where the frame holds them.

#include "protocol/group_buffer.h"
#include "protocol/group_copy.h"
#include "views/gps_data_records.h"

#include "gnss_frames.h"

#include <gtest/gtest.h>

namespace {

using namespace gnss_frames;

// The frame handed through a group queue, read by the queue's record of class TRecord laid out
// for it.
template <class TRecord>
class CReceived {
public:
    explicit CReceived(const Bytes &frame)
    {
        CByte_cursor cursor(frame.data(), frame.size());
        status = m_groups.read(cursor);
        Get(m_groups, m_record);
        applied = m_record->lay_out_received();
    }
    TRecord &record() { return *m_record; }

    std::optional<EFrame_status> status;
    std::size_t applied = 0;

private:
    CGroup_buffer m_groups;
    TRecord *m_record = nullptr;
};

std::size_t offset_of(CGroup_base &record, const CItem &item)
{
    return static_cast<std::size_t>(item.start() - record.buffer());
}

TEST(GnssRecords, FullLayoutsMatchTheirByteCountsAndNames)
{
    std::byte buffer[CFrame_queue::buffer_size]{};
    CGroup3 primary(buffer, sizeof buffer);
    EXPECT_EQ(primary.size() - frame::prefix_length, CGroup3::byte_count);
    EXPECT_EQ(primary.header().byte_count().get(), CGroup3::byte_count);
    EXPECT_EQ(primary.sv_record_size().name(), "Variable Section Byte Count");
    EXPECT_EQ(primary.receiver_status().name(), "Primary GPS Status");
    EXPECT_EQ(primary.sv()[29].name(), "SV Record 29");
    EXPECT_EQ(primary.sv()[0].l2_snr().name(), "SV L2 Signal/Noise Ratio");
    CGroup106 secondary(buffer, sizeof buffer);
    EXPECT_EQ(secondary.size() - frame::prefix_length, CGroup106::byte_count);
    EXPECT_EQ(secondary.receiver_type().name(), "Secondary GPS Type");
    EXPECT_EQ(secondary.sv_record_size().name(), "SV Record Size");
    CGroup107 auxiliary(buffer, sizeof buffer);
    EXPECT_EQ(auxiliary.size() - frame::prefix_length, CGroup107::byte_count);
    EXPECT_EQ(auxiliary.nmea_messages().name(), "NMEA Messages Received");
    EXPECT_EQ(auxiliary.sv_record_size().get(), 20);
}

// "HDOP" follows the count's record size directly for no satellites, 240 bytes later for twelve.
TEST(GnssRecords, SatelliteCountPlacesTheItemsBehindTheArray)
{
    for (const std::size_t count : {0u, 12u, 30u}) {
        SReceiver sent;
        sent.satellites = satellites(count);
        CReceived<CGroup3> received(receiver_frame(3, sent));
        ASSERT_EQ(received.status, EFrame_status::ok);
        CGroup3 &record = received.record();
        EXPECT_EQ(received.applied, count);
        EXPECT_EQ(offset_of(record, record.hdop()),
                  offset_of(record, record.sv_record_size()) + 2 + 20 * count);
        EXPECT_FLOAT_EQ(record.hdop().get(), 1.25f) << count;
        EXPECT_DOUBLE_EQ(record.time_offset().get(), 18.0) << count;
        EXPECT_EQ(record.receiver_status().get(), 0x000B00FFu) << count;
        EXPECT_TRUE(record.holds(record.receiver_status())) << count;
        if (count > 0) {
            EXPECT_EQ(record.sv()[count - 1].prn().get(), count);
            EXPECT_FLOAT_EQ(record.sv()[count - 1].azimuth().get(), 10.0f * count);
        }
    }
}

// A count the frame does not bear out: never more satellites than the room for 30, nor than the
// frame's byte count holds; the items behind the array are read at the frame's end.
TEST(GnssRecords, CountsTheFrameDoesNotHoldAreClamped)
{
    struct SCase {
        std::uint8_t count;
        std::size_t carried;
        std::size_t applied;
    };
    for (const SCase c : {SCase{255, 12, 12}, SCase{31, 30, 30}, SCase{255, 30, 30},
                          SCase{30, 31, 30}, SCase{5, 12, 5}, SCase{0, 3, 0}}) {
        SReceiver sent;
        sent.count = c.count;
        sent.satellites = satellites(c.carried);
        sent.nmea = 0x5;
        CReceived<CGroup107> received(receiver_frame(107, sent));
        CGroup107 &record = received.record();
        EXPECT_EQ(received.applied, c.applied) << int{c.count} << " for " << c.carried;
        if (c.carried <= 30 && c.applied == c.carried) {
            EXPECT_FLOAT_EQ(record.vdop().get(), 2.5f) << int{c.count};
            EXPECT_EQ(record.nmea_messages().get(), 0x5) << int{c.count};
        }
        EXPECT_TRUE(record.holds(record.aux_data_in_use())) << int{c.count};
        EXPECT_LE(record.aux_data_in_use().end(),
                  record.buffer() + record.frame_length() - frame::trailer_length);
    }
}

// A frame cut too short for the items behind the array holds the satellites it has room for and
// none of those items.
TEST(GnssRecords, FrameCutInsideTheArrayHoldsNothingBehindIt)
{
    SReceiver sent;
    sent.satellites = satellites(12);
    CReceived<CGroup106> received(cut_frame(106, sent, 4 + 20 + 1));
    CGroup106 &record = received.record();
    EXPECT_EQ(received.applied, 1u);
    EXPECT_TRUE(record.holds(record.sv()[0]));
    EXPECT_FALSE(record.holds(record.hdop()));
    EXPECT_FALSE(record.holds(record.receiver_status()));
    // Cut before the count: no satellites.
    CReceived<CGroup106> headless(cut_frame(106, sent, 1));
    EXPECT_EQ(headless.applied, 0u);
}

// A private copy takes the frame's own length: a short frame after a long one shows nothing of it.
TEST(GnssRecords, CopyOfAShortFrameHoldsNoBytesOfAnEarlierOne)
{
    CGroup_buffer groups;
    CGroup3 *shared = nullptr;
    Get(groups, shared);
    TGroup_copy<CGroup3> copy;
    auto take = [&](const Bytes &frame) {
        CByte_cursor cursor(frame.data(), frame.size());
        ASSERT_EQ(groups.read(cursor), EFrame_status::ok);
        copy.take(*shared);
    };
    SReceiver sent;
    sent.satellites = satellites(30);
    take(receiver_frame(3, sent));
    ASSERT_EQ(copy.record().sv().count(), 30u);
    EXPECT_FLOAT_EQ(copy.record().geoidal_separation().get(), -12.5f);
    sent.satellites = satellites(12);
    take(cut_frame(3, sent, 4 + 20));
    CGroup3 &record = copy.record();
    EXPECT_EQ(record.sv().count(), 1u);
    EXPECT_FALSE(record.holds(record.hdop()));
    EXPECT_FALSE(record.holds(record.receiver_type()));
}

// A sender lays the record out for a count, and the frame then carries that many satellites.
TEST(GnssRecords, SenderLayoutCarriesTheCountItSets)
{
    std::byte buffer[CFrame_queue::buffer_size]{};
    CGroup3 record(buffer, sizeof buffer);
    EXPECT_EQ(record.set_sv_count(12), 12u);
    EXPECT_EQ(record.sv_count().get(), 12);
    EXPECT_EQ(record.header().byte_count().get(), CGroup3::byte_count - 18 * 20);
    EXPECT_EQ(record.size() % 4, 0u);
    EXPECT_EQ(record.set_sv_count(255), 30u) << "never more than the room";
    EXPECT_EQ(record.header().byte_count().get(), CGroup3::byte_count);
}

} // namespace
