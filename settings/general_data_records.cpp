#include "settings/general_data_records.h"

namespace {

// The address a computer has until it is given another: private, on the usual small network.
constexpr std::uint8_t factory_address[CMessage6::octets] = {192, 168, 0, 100};
constexpr std::uint8_t factory_mask[CMessage6::octets] = {255, 255, 0, 0};

} // namespace

CMessage107::CMessage107()
    : CMessage_record(number_of_record, byte_count, "Message 107 header"),
      m_attitude_accuracy(new TScalar<float>(this, "User Attitude RMS Accuracy", 0.05f)),
      m_heading_accuracy(new TScalar<float>(this, "User Heading RMS Accuracy", 0.05f)),
      m_position_accuracy(new TScalar<float>(this, "User Position RMS Accuracy", 2.0f)),
      m_velocity_accuracy(new TScalar<float>(this, "User Velocity RMS Accuracy", 0.5f))
{
    close_layout("Message 107 footer");
}

CMessage6::CMessage6() : CMessage_record(number_of_record, byte_count, "Message 6 header")
{
    static constexpr const char *address_names[octets] = {"Network Part1", "Network Part2",
                                                          "Host Part1", "Host Part2"};
    static constexpr const char *mask_names[octets] = {
        "Network Net Mask Part1", "Network Net Mask Part2", "Host Net Mask Part1",
        "Host Net Mask Part2"};
    for (std::size_t i = 0; i < octets; ++i) {
        m_address[i] = new TScalar<std::uint8_t>(this, address_names[i], factory_address[i]);
    }
    for (std::size_t i = 0; i < octets; ++i) {
        m_mask[i] = new TScalar<std::uint8_t>(this, mask_names[i], factory_mask[i]);
    }
    close_layout("Message 6 footer");
}

CMessage12::CMessage12()
    : CMessage_record(number_of_record, byte_count, "Message 12 header"),
      m_user_time(new TScalar<double>(this, "User Time", 0.0)),
      m_units_per_second(new TScalar<double>(this, "User Time Units Conversion", 1.0))
{
    close_layout("Message 12 footer");
}

CMessage11::CMessage11()
    : CMessage_record(number_of_record, byte_count, "Message 11 header"),
      m_event_1_trigger(new TScalar<std::uint8_t>(this, "Event 1 Trigger", positive_edge)),
      m_event_2_trigger(new TScalar<std::uint8_t>(this, "Event 2 Trigger", positive_edge)),
      m_event_1_guard_time(new TScalar<std::uint16_t>(this, "Event 1 Guard Time", 0)),
      m_event_2_guard_time(new TScalar<std::uint16_t>(this, "Event 2 Guard Time", 0))
{
    close_layout("Message 11 footer");
}

CMessage20211::CMessage20211()
    : CMessage_record(number_of_record, byte_count, "Message 20211 header"),
      m_event_1_shift(new TScalar<float>(this, "Event 1 Shift", 0.0f)),
      m_event_2_shift(new TScalar<float>(this, "Event 2 Shift", 0.0f)),
      m_reserved_1(new TScalar<float>(this, "Reserved 1", 0.0f)),
      m_reserved_2(new TScalar<float>(this, "Reserved 2", 0.0f)),
      m_reserved_3(new TScalar<std::int32_t>(this, "Reserved 3", 0)),
      m_reserved_4(new TScalar<std::int32_t>(this, "Reserved 4", 0))
{
    close_layout("Message 20211 footer");
}
