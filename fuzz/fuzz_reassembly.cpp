// Feeds arbitrary bytes to reassembly twice: in the largest reads there is room for, and in reads
// whose lengths come from the input. Both must deliver the same frames; every frame delivered as
// good must pass the frame check; the records read through the queues must stay inside their
// buffers whatever the frames say, the filter groups too, whose arrays take the lengths their
// frames state.

#include "protocol/acknowledgement.h"
#include "protocol/navigation_groups.h"
#include "protocol/navigation_messages.h"
#include "protocol/group_copy.h"
#include "protocol/reassembler.h"
#include "views/filter_records.h"
#include "views/peripheral_records.h"

#include <cstdlib>
#include <cstring>
#include <random>
#include <vector>

namespace {

struct SDelivered {
    EFrame_kind kind;
    EFrame_status status;
    std::vector<std::byte> bytes;

    bool operator==(const SDelivered &) const = default;
};

class CReading_sink : public IFrame_sink {
public:
    CReading_sink(CGroup_buffer &groups, CMessage_buffer &messages)
        : m_groups(groups), m_messages(messages)
    {}

    void frame_received(CFrame_queue &queue, EFrame_status status) override
    {
        std::size_t length = frame::prefix_length;
        if (status == EFrame_status::ok) {
            length = queue.frame_length();
            if (frame::check({queue.buffer(), length}, queue.kind()) != EFrame_status::ok) {
                std::abort();
            }
            if (queue.kind() == EFrame_kind::group) {
                read_groups();
            } else {
                read_messages();
            }
        }
        delivered.push_back({queue.kind(), status, {queue.buffer(), queue.buffer() + length}});
    }

    std::vector<SDelivered> delivered;
    double checksum = 0; // keeps the reads from being optimised away

private:
    void read_groups()
    {
        CGroup1 &navigation = Get(m_groups, m_navigation);
        if (navigation.is_current() && navigation.has_value(navigation.speed())) {
            checksum += navigation.position().latitude().get() + navigation.speed().get();
        }
        CGroup99 &versions = Get(m_groups, m_versions);
        if (versions.is_current() && versions.holds(versions.koru_version())) {
            char text[200];
            checksum += static_cast<double>(versions.koru_version().get(text, sizeof text));
        }
        read_filter(Get(m_groups, m_kalman), m_kalman_copy);
        read_filter(Get(m_groups, m_twan), m_twan_copy);
        // A raw receiver message: laid out for what its frame holds, whatever its count says.
        CGroup110 &raw = Get(m_groups, m_raw);
        if (raw.is_current()) {
            m_raw_copy.take(raw);
            const CComposite_byte_array &body = m_raw_copy.record().body();
            if (body.length() > CGroup110::largest_body ||
                (body.length() > 0 && !m_raw_copy.record().holds(body))) {
                std::abort();
            }
            for (std::size_t i = 0; i < body.length(); ++i) {
                checksum += std::to_integer<int>(body.start()[i]);
            }
        }
        CGroup_fdir &status = Get(m_groups, m_status);
        if (status.is_current() && status.holds(status.fdir_level_5())) {
            checksum +=
                status.general_status_a().bit(CGen_status_a::bits::full_nav_solution)->get() +
                status.fdir_level_5().get();
        }
    }

    // A filter group laid out for its counts holds every element its arrays take, and its items
    // behind them are held only when the frame reaches them.
    template <class TUpdate>
    void read_filter(TUpdate &shared, TGroup_copy<TUpdate> &copy)
    {
        if (!shared.is_current()) {
            return;
        }
        copy.take(shared);
        TUpdate &update = copy.record();
        const std::size_t states = update.x_minus().count();
        const std::size_t measurements = update.meas_res().count();
        if (states > TUpdate::state_capacity || measurements > TUpdate::measurement_capacity ||
            update.footer().end() > update.buffer() + update.buffer_size()) {
            std::abort();
        }
        for (std::size_t i = 0; i < states; ++i) {
            if (!update.holds(update.rms_minus()[i])) {
                std::abort();
            }
            checksum += update.rms_minus()[i].get();
        }
        for (std::size_t j = 0; j < measurements; ++j) {
            if (!update.holds(update.rms_meas_res()[j])) {
                std::abort();
            }
            checksum += update.rms_meas_res()[j].get();
        }
        if (update.holds(update.meas_reject())) {
            checksum += update.meas_reject().get();
        }
    }

    void read_messages()
    {
        CMessage2 &selection = Get(m_messages, m_selection);
        Get(m_messages, m_acknowledgement);
        const CGroup_base *copy = m_messages.copy_to_record();
        if (copy == &selection && selection.holds(selection.group_count())) {
            const std::size_t count = selection.lay_out_received();
            for (std::size_t i = 0; i < count; ++i) {
                if (!selection.holds(selection.groups()[i])) {
                    std::abort();
                }
                checksum += selection.groups()[i].get();
            }
            if (!selection.holds(selection.reserved())) {
                std::abort();
            }
        } else if (copy == m_acknowledgement &&
                   m_acknowledgement->holds(m_acknowledgement->parameter_error_name())) {
            checksum +=
                static_cast<double>(m_acknowledgement->parameter_error_name().text().size());
        }
    }

    CGroup_buffer &m_groups;
    CMessage_buffer &m_messages;
    CGroup1 *m_navigation = nullptr;
    CGroup99 *m_versions = nullptr;
    CGroup_fdir *m_status = nullptr;
    CGroup20101 *m_kalman = nullptr;
    CGroup20103 *m_twan = nullptr;
    TGroup_copy<CGroup20101> m_kalman_copy;
    TGroup_copy<CGroup20103> m_twan_copy;
    CGroup110 *m_raw = nullptr;
    TGroup_copy<CGroup110> m_raw_copy;
    CMessage2 *m_selection = nullptr;
    CMessage0 *m_acknowledgement = nullptr;
};

// Reads of `next_length()` bytes until the input is used up.
template <class NextLength>
std::vector<SDelivered> reassemble(const std::byte *data, std::size_t size, NextLength next_length)
{
    CGroup_buffer groups;
    CMessage_buffer messages;
    CReassembler reassembler(4096);
    reassembler.set_group_queue(&groups);
    reassembler.set_message_queue(&messages);
    CReading_sink sink(groups, messages);
    std::size_t position = 0;
    while (position < size) {
        const std::span<std::byte> area = reassembler.free_area();
        const std::size_t count =
            std::min({next_length(area.size()), area.size(), size - position});
        std::memcpy(area.data(), data + position, count);
        reassembler.consume(count, sink);
        position += count;
    }
    return std::move(sink.delivered);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *input, std::size_t size)
{
    if (size < 1) {
        return 0;
    }
    const auto *data = reinterpret_cast<const std::byte *>(input + 1);
    const std::size_t length = size - 1;

    const auto whole = reassemble(data, length, [](std::size_t room) { return room; });
    std::minstd_rand random(input[0] + 1u);
    const auto chunked = reassemble(data, length, [&](std::size_t room) {
        return std::uniform_int_distribution<std::size_t>(1, room)(random);
    });
    if (whole != chunked) {
        std::abort();
    }
    return 0;
}
