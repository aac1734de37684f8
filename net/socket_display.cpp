#include "net/socket_display.h"

#include "net/data_windows.h"
#include "net/socket_errors.h"
#include "platform/user_feedback.h"
#include "platform/window_message.h"

#include <QWidget>

#include <algorithm>
#include <chrono>

#include <sys/socket.h>

namespace {

std::uint64_t microseconds_since_1970()
{
    using namespace std::chrono;
    return static_cast<std::uint64_t>(
        duration_cast<microseconds>(system_clock::now().time_since_epoch()).count());
}

// Acknowledgements count only from the control connection, and Message 1 is the one message
// copy the views are told of.
constexpr std::uint16_t acknowledgement_number = 0;
constexpr std::uint16_t views_message_number = 1;

} // namespace

CSocket_display::CSocket_display(QObject *owner) : QObject(owner) {}

int CSocket_display::open(std::uint32_t address, std::uint16_t port)
{
    m_socket.set_error_target(this, window_message::display_error);
    const int code = m_socket.open(CA_socket::datagram);
    if (code != 0) {
        return code;
    }
    // The kernel caps the request at the system's limit; a privileged process may go past it.
    m_socket.set_option(SO_RCVBUF, receive_buffer_request);
    m_socket.option(SO_RCVBUF, m_granted_receive_buffer);
    if (m_granted_receive_buffer < receive_buffer_request &&
        m_socket.try_option(SO_RCVBUFFORCE, receive_buffer_request)) {
        m_socket.option(SO_RCVBUF, m_granted_receive_buffer);
    }
    m_socket.set_address(address, port);
    m_socket.async_select(this, window_message::display_socket, socket_event::read);
    return m_socket.bind();
}

void CSocket_display::close()
{
    m_socket.async_select(nullptr, 0, 0);
    m_socket.close();
}

std::uint32_t CSocket_display::set_filter(std::uint32_t address)
{
    const std::uint32_t previous = m_filter;
    m_filter = address;
    return previous;
}

void CSocket_display::set_group_queue(CGroup_buffer *queue)
{
    m_groups = queue;
    m_reassembler.set_group_queue(queue);
}

void CSocket_display::set_message_queue(CMessage_buffer *queue)
{
    m_messages = queue;
    m_reassembler.set_message_queue(queue);
}

bool CSocket_display::event(QEvent *event)
{
    CWindow_message *message = AsWindowMessage(event);
    if (message == nullptr) {
        return QObject::event(event);
    }
    switch (message->number()) {
    case window_message::display_socket:
        if (m_socket.is_current(message->wparam())) {
            receive();
        }
        break;
    case window_message::display_error:
        Beep();
        m_error_box.show(qobject_cast<QWidget *>(parent()), static_cast<int>(message->wparam()));
        break;
    default:
        return QObject::event(event);
    }
    message->set_result(1);
    return true;
}

// Reads the datagrams waiting, a bounded number at a time, and reassembles each.
void CSocket_display::receive()
{
    for (int datagram = 0; datagram < datagrams_per_notice && m_socket.is_open(); ++datagram) {
        const std::span<std::byte> area = m_reassembler.free_area();
        std::uint32_t sender = 0;
        const long received = m_socket.receive_from(area.data(), area.size(), sender);
        if (received < 0) {
            return;
        }
        if (!m_live || !accept_sender(sender) || m_groups == nullptr) {
            continue;
        }
        m_counters.arrival_us = microseconds_since_1970();
        if (m_tap != nullptr) {
            m_tap->datagram_accepted({area.data(), static_cast<std::size_t>(received)},
                                     m_counters.arrival_us);
        }
        m_reassembler.consume(static_cast<std::size_t>(received), *this);
    }
}

void CSocket_display::feed(std::span<const std::byte> datagram, std::uint64_t arrival_us)
{
    if (m_groups == nullptr) {
        return;
    }
    ++m_counters.packets;
    m_counters.arrival_us = arrival_us;
    while (!datagram.empty()) {
        const std::span<std::byte> area = m_reassembler.free_area();
        const std::size_t count = std::min(area.size(), datagram.size());
        std::copy_n(datagram.begin(), count, area.begin());
        m_reassembler.consume(count, *this);
        datagram = datagram.subspan(count);
    }
}

// Counts an accepted datagram. The parent hears of every sender while no computer is selected,
// and of foreign senders once one is.
bool CSocket_display::accept_sender(std::uint32_t sender)
{
    const bool accepted = m_filter == 0 || sender == m_filter;
    if (accepted) {
        ++m_counters.packets;
    }
    if ((m_filter == 0 || !accepted) && m_notice != 0 && parent() != nullptr) {
        PostWindowMessage(parent(), m_notice, 0, static_cast<std::intptr_t>(sender));
    }
    return accepted;
}

void CSocket_display::frame_received(CFrame_queue &queue, EFrame_status status)
{
    if (status != EFrame_status::ok) {
        count_failure(status);
        return;
    }
    if (queue.kind() == EFrame_kind::group) {
        ++m_counters.groups;
        if (m_windows != nullptr) {
            m_windows->update_from_group();
        }
        return;
    }
    ++m_counters.messages;
    const std::uint16_t number = queue.number();
    if (number == acknowledgement_number) {
        return;
    }
    m_messages->copy_to_record();
    if (number == views_message_number && m_windows != nullptr) {
        m_windows->update_from_message();
    }
}

void CSocket_display::count_failure(EFrame_status status)
{
    switch (status) {
    case EFrame_status::bad_start:
        ++m_counters.bad_headers;
        break;
    case EFrame_status::bad_byte_count:
        ++m_counters.bad_byte_counts;
        break;
    case EFrame_status::bad_end:
        ++m_counters.bad_footers;
        break;
    case EFrame_status::bad_checksum:
        ++m_counters.checksum_errors;
        break;
    default:
        ++m_counters.invalid;
        break;
    }
}
