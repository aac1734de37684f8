#include "protocol/group_base.h"

#include "protocol/wire.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

// Where a message's body starts, after its transaction number.
constexpr std::size_t message_body_offset = 10;

} // namespace

CTime_types::CTime_types(CComposite_item *parent, std::string_view name, std::uint8_t initial)
    : TBit_field<std::uint8_t>(parent, name, initial),
      m_time_type_1(new TBit_range_pointer<std::uint8_t>(this, "Time Type 1", 0, 3)),
      m_time_type_2(new TBit_range_pointer<std::uint8_t>(this, "Time Type 2", 4, 7))
{}

CDistance_types::CDistance_types(CComposite_item *parent, std::string_view name,
                                 std::uint8_t initial)
    : TBit_field<std::uint8_t>(parent, name, initial),
      m_distance_type(new TBit_range_pointer<std::uint8_t>(this, "Distance Type", 0, 7))
{}

CFrame_prefix::CFrame_prefix(CComposite_item *parent, std::string_view name, EFrame_kind kind,
                             std::uint16_t number, std::uint16_t byte_count)
    : CComposite_item(parent, name),
      m_start_marker(
          new TScalar<char *>(this, kind == EFrame_kind::group ? "Group Start" : "Message Start",
                              frame::start_marker(kind))),
      m_id(new TScalar<std::uint16_t>(this, kind == EFrame_kind::group ? "Group ID" : "Message ID",
                                      number)),
      m_byte_count(new TScalar<std::uint16_t>(this, "Byte Count", byte_count))
{}

CGroup_header::CGroup_header(CComposite_item *parent, std::string_view name, std::uint16_t number,
                             std::uint16_t byte_count)
    : CFrame_prefix(parent, name, EFrame_kind::group, number, byte_count),
      m_time_1(new TScalar<double>(this, "Time 1", 0.0)),
      m_time_2(new TScalar<double>(this, "Time 2", 0.0)),
      m_distance_tag(new TScalar<double>(this, "Distance Tag", 1.0)),
      m_time_types(new CTime_types(this, "Time Types", 0)),
      m_distance_types(new CDistance_types(this, "Distance Types", 0))
{}

CMessage_header::CMessage_header(CComposite_item *parent, std::string_view name,
                                 std::uint16_t number, std::uint16_t byte_count)
    : CFrame_prefix(parent, name, EFrame_kind::message, number, byte_count),
      m_transaction_number(new TScalar<std::uint16_t>(this, "Transaction Number", 0))
{}

std::size_t CFrame_footer::pad_for(std::size_t length)
{
    return (4 - (length + frame::trailer_length) % 4) % 4;
}

CFrame_footer::CFrame_footer(CComposite_item *parent, std::string_view name,
                             std::string_view end_name)
    : CComposite_item(parent, name)
{
    const auto length = static_cast<std::size_t>(m_start - parent->start());
    new CComposite_byte_array(this, "Pad", pad_for(length));
    m_checksum = new TScalar<std::uint16_t>(this, "Checksum", 0);
    m_end_marker = new TScalar<char *>(this, end_name, frame::end_marker);
}

void CFrame_footer::compute_checksum()
{
    std::byte *frame_start = parent()->start();
    frame::write_checksum({frame_start, static_cast<std::size_t>(m_end - frame_start)});
}

CGroup_footer::CGroup_footer(CComposite_item *parent, std::string_view name)
    : CFrame_footer(parent, name, "GroupEnd")
{}

CMessage_footer::CMessage_footer(CComposite_item *parent, std::string_view name)
    : CFrame_footer(parent, name, "Message End")
{}

CGroup_base::CGroup_base(std::string_view name, std::byte *buffer, std::size_t buffer_size)
    : CComposite_item(buffer, name), m_buffer(buffer), m_buffer_size(buffer_size)
{}

CGroup_base::CGroup_base(std::string_view name, std::size_t buffer_size)
    : CGroup_base(name, std::make_unique<std::byte[]>(buffer_size), buffer_size)
{}

CGroup_base::CGroup_base(std::string_view name, std::unique_ptr<std::byte[]> storage,
                         std::size_t buffer_size)
    : CComposite_item(storage.get(), name),
      m_owned(std::move(storage)),
      m_buffer(m_owned.get()),
      m_buffer_size(buffer_size)
{}

// The items are views onto the buffer: they go first.
CGroup_base::~CGroup_base()
{
    remove_all();
}

std::uint16_t CGroup_base::frame_number() const
{
    return wire::load<std::uint16_t>(m_buffer + frame::number_offset);
}

void CGroup_base::set_frame_number(std::uint16_t number)
{
    wire::store(m_buffer + frame::number_offset, number);
}

std::size_t CGroup_base::frame_length() const
{
    const std::size_t byte_count = wire::load<std::uint16_t>(m_buffer + frame::byte_count_offset);
    return std::min(byte_count + frame::prefix_length, m_buffer_size);
}

bool CGroup_base::holds(const CItem &item) const
{
    const auto item_end = static_cast<std::size_t>(item.end() - m_buffer);
    return item_end + frame::trailer_length <= frame_length();
}

bool CGroup_base::same_content(const CGroup_base &other) const
{
    const auto byte_count = wire::load<std::uint16_t>(m_buffer + frame::byte_count_offset);
    if (byte_count != wire::load<std::uint16_t>(other.m_buffer + frame::byte_count_offset)) {
        return false;
    }
    // Body and pad: from the end of the message header to the checksum.
    const std::size_t end = std::size_t{byte_count} + frame::prefix_length - frame::trailer_length;
    if (end < message_body_offset) {
        return true;
    }
    if (end > m_buffer_size || end > other.m_buffer_size) {
        return false;
    }
    return std::memcmp(m_buffer + message_body_offset, other.m_buffer + message_body_offset,
                       end - message_body_offset) == 0;
}

CGroup_record::CGroup_record(std::byte *buffer, std::size_t buffer_size, std::uint16_t number,
                             std::uint16_t byte_count, std::string_view header_name)
    : CGroup_base("Group " + std::to_string(number), buffer, buffer_size),
      m_number(number),
      m_header(new CGroup_header(this, header_name, number, byte_count))
{}

void CGroup_record::close_layout(std::string_view footer_name)
{
    m_footer = new CGroup_footer(this, footer_name);
}

void CGroup_record::refit_frame()
{
    const std::string footer_name(m_footer->name());
    remove(m_footer);
    m_footer = nullptr;
    relayout();
    close_layout(footer_name);
    m_header->byte_count().set(static_cast<std::uint16_t>(size() - frame::prefix_length));
}

CMessage_record::CMessage_record(std::uint16_t number, std::uint16_t byte_count,
                                 std::string_view header_name)
    : CGroup_base("Message " + std::to_string(number),
                  std::size_t{byte_count} + frame::prefix_length),
      m_number(number),
      m_header(new CMessage_header(this, header_name, number, byte_count))
{}

void CMessage_record::close_layout(std::string_view footer_name)
{
    m_footer = new CMessage_footer(this, footer_name);
}

void CMessage_record::open_layout()
{
    remove(m_footer);
    m_footer = nullptr;
    relayout();
}

void CMessage_record::refit_frame()
{
    const std::string footer_name = m_footer->name();
    open_layout();
    close_layout(footer_name);
    m_header->byte_count().set(static_cast<std::uint16_t>(size() - frame::prefix_length));
}

void CMessage_record::seal(std::uint16_t transaction_number)
{
    m_header->transaction_number().set(transaction_number);
    m_footer->compute_checksum();
}

EFrame_status CFrame_id::check(std::span<const std::byte> room)
{
    const EFrame_status status = frame::check(room, m_kind);
    const bool ok = status == EFrame_status::ok;
    m_current_number = ok ? frame::number_of(room) : 0;
    m_current_byte_count = ok ? frame::byte_count_of(room) : 0;
    return status;
}
