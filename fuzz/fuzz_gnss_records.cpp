// Lays the GNSS receivers' records over arbitrary frames: whatever satellite count and byte count
// a frame says, the record is laid out for no more satellites than its room and the frame hold,
// every item it then calls held lies inside the frame, and its private copy takes no byte past
// the frame. Later variable records join here.

#include "protocol/group_copy.h"
#include "views/gps_data_records.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

double g_sink = 0; // keeps the reads from being optimised away

void check_held(const CGnss_group &record, const CItem &item)
{
    if (record.holds(item) && item.end() > record.buffer() + record.frame_length()) {
        std::abort();
    }
}

template <class TRecord>
void lay_over(const std::uint8_t *input, std::size_t size)
{
    // The receive buffer: the frame's bytes, then whatever an earlier frame left.
    auto receive = std::make_unique<std::byte[]>(CFrame_queue::buffer_size);
    std::memset(receive.get(), 0xA5, CFrame_queue::buffer_size);
    TRecord shared(receive.get(), CFrame_queue::buffer_size);
    std::memcpy(receive.get(), input, std::min(size, CFrame_queue::buffer_size));
    shared.set_frame_number(TRecord::number_of_record);

    TGroup_copy<TRecord> copy;
    copy.take(shared);
    TRecord &record = copy.record();
    const std::size_t count = record.sv().count();
    if (count > CGnss_group::sv_capacity ||
        (record.holds(record.sv_count()) && count > record.sv_count().get())) {
        std::abort();
    }
    for (std::size_t k = 0; k < count; ++k) {
        CSv_data &sv = record.sv()[k];
        check_held(record, sv);
        if (record.has_value(sv.azimuth())) {
            g_sink += sv.azimuth().get();
        }
    }
    for (const CItem *item :
         {static_cast<const CItem *>(&record.hdop()), static_cast<const CItem *>(&record.vdop()),
          static_cast<const CItem *>(&record.week_number()),
          static_cast<const CItem *>(&record.geoidal_separation())}) {
        check_held(record, *item);
    }
    if (record.has_value(record.time_offset())) {
        g_sink += record.time_offset().get();
    }
    // The copy holds nothing of the receive buffer past the frame (the copy's own bytes never
    // hold the receive buffer's filler).
    const std::size_t length = shared.frame_length();
    if (std::find(record.buffer() + length, record.buffer() + CFrame_queue::buffer_size,
                  std::byte{0xA5}) != record.buffer() + CFrame_queue::buffer_size) {
        std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *input, std::size_t size)
{
    lay_over<CGroup3>(input, size);
    lay_over<CGroup106>(input, size);
    lay_over<CGroup107>(input, size);
    return 0;
}
