#pragma once
// The groups the simulator sends. Each is the protocol library's record laid over a buffer of
// its own and filled from a snapshot; adding a layout is one row in make_group_encoders() and
// one fill function.

#include "tools/korusim/options.h"
#include "tools/korusim/peripherals.h"
#include "tools/korusim/snapshot.h"

#include "protocol/group_buffer.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

class CGroup_encoder {
public:
    CGroup_encoder(const CGroup_encoder &) = delete;
    CGroup_encoder &operator=(const CGroup_encoder &) = delete;
    virtual ~CGroup_encoder() = default;

    std::uint16_t number() const { return m_number; }
    double default_rate() const { return m_default_rate; }

    // The group's frame at the moment of `snapshot`: header times, body and checksum. The bytes
    // stay valid until the next call.
    std::span<const std::byte> encode(const SSnapshot &snapshot);
    // From now on the frames end before `first_left_off`, an item of this group's record: the
    // items from it on are not sent, and the byte count says so.
    void leave_off_from(const CItem &first_left_off);

protected:
    CGroup_encoder(std::uint16_t number, double default_rate)
        : m_number(number), m_default_rate(default_rate)
    {}

    virtual CGroup_record &record() = 0;
    // Writes the body; may give the header other times than the snapshot's.
    virtual void fill(const SSnapshot &snapshot) = 0;

private:
    // The whole frame in `whole`, cut after m_body_end bytes and closed again.
    std::span<const std::byte> cut(std::span<const std::byte> whole);

    std::uint16_t m_number;
    double m_default_rate;
    std::size_t m_body_end = 0; // 0: the whole layout is sent
    std::vector<std::byte> m_cut;
};

template <class TGroup>
class TGroup_encoder final : public CGroup_encoder {
public:
    using Fill = void (*)(TGroup &group, const SSnapshot &snapshot);

    TGroup_encoder(double default_rate, Fill fill_group)
        : CGroup_encoder(TGroup::number_of_record, default_rate),
          m_record(m_buffer.data(), m_buffer.size()),
          m_fill(fill_group)
    {}

    TGroup &group() { return m_record; }

private:
    CGroup_record &record() override { return m_record; }
    void fill(const SSnapshot &snapshot) override { m_fill(m_record, snapshot); }

    std::array<std::byte, CFrame_queue::buffer_size> m_buffer{};
    TGroup m_record;
    Fill m_fill;
};

using Group_encoders = std::vector<std::unique_ptr<CGroup_encoder>>;

// Every group the simulator can send, in the order they go out when due together.
Group_encoders make_group_encoders(EIin_form iin_form = EIin_form::full,
                                   EStatus_form status_form = EStatus_form::full,
                                   EAux_count aux_count = EAux_count::body);

// Numbers and default rates of `encoders`.
std::vector<SGroup_default> group_defaults(const Group_encoders &encoders);

// The IMU increments of Group 4 are counts of these units over one IMU sample.
namespace imu {
constexpr double sample_rate = 200;    // Hz, whatever data-rate code the group reports
constexpr double velocity_unit = 1e-6; // m/s per count
constexpr double angle_unit = 1e-9;    // rad per count
constexpr std::uint8_t imu_type = 17;
} // namespace imu
