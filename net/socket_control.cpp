#include "net/socket_control.h"

#include "net/data_windows.h"
#include "net/socket_errors.h"
#include "platform/window_message.h"
#include "protocol/wire.h"
#include "resources/string_ids.h"

#include <QWidget>

#include <sys/socket.h>

namespace {

constexpr std::size_t transaction_number_offset = 8;

} // namespace

CSocket_control::CSocket_control(QObject *owner) : QObject(owner) {}

int CSocket_control::connect(std::uint32_t address, std::uint16_t port)
{
    close();
    m_reassembler.reset();
    m_unsent.clear();
    m_socket.set_error_target(this, window_message::control_error);
    int code = m_socket.open(CA_socket::stream);
    if (code != 0) {
        return code;
    }
    m_socket.set_option(SO_RCVBUF, socket_buffer_bytes);
    m_socket.set_option(SO_SNDBUF, socket_buffer_bytes);
    m_socket.set_address(address, port);
    m_socket.async_select(this, window_message::control_connect, socket_event::connect);
    code = m_socket.connect();
    if (code == 0) {
        m_connecting = true;
    } else {
        close();
    }
    return code;
}

void CSocket_control::close()
{
    m_connecting = false;
    m_unsent.clear();
    if (m_socket.is_open()) {
        m_socket.async_select(nullptr, 0, 0);
        m_socket.close();
    }
}

long CSocket_control::send(const std::byte *data, std::size_t length)
{
    if (!is_connected()) {
        return 0;
    }
    m_unsent.insert(m_unsent.end(), data, data + length);
    flush();
    return m_socket.is_open() ? static_cast<long>(length) : -1;
}

long CSocket_control::send(CMessage_record &message)
{
    if (!is_connected()) {
        return 0;
    }
    message.seal(m_transactions.next());
    const std::span<const std::byte> frame = message.frame();
    return send(frame.data(), frame.size());
}

long CSocket_control::send_frame(std::span<std::byte> frame)
{
    if (!is_connected() || frame.size() < frame::prefix_length + frame::trailer_length) {
        return 0;
    }
    wire::store(frame.data() + transaction_number_offset, m_transactions.next());
    frame::write_checksum(frame);
    return send(frame.data(), frame.size());
}

void CSocket_control::set_message_queue(CMessage_buffer *queue)
{
    m_messages = queue;
    m_reassembler.set_message_queue(queue);
}

bool CSocket_control::event(QEvent *event)
{
    CWindow_message *message = AsWindowMessage(event);
    if (message == nullptr) {
        return QObject::event(event);
    }
    switch (message->number()) {
    case window_message::control_connect:
        if (m_socket.is_current(message->wparam()) &&
            socket_event::event_of(message->lparam()) == socket_event::connect) {
            connection_finished(socket_event::error_of(message->lparam()));
        }
        break;
    case window_message::control_socket:
        if (m_socket.is_current(message->wparam())) {
            if (socket_event::event_of(message->lparam()) == socket_event::write) {
                flush();
            } else {
                receive();
            }
        }
        break;
    case window_message::control_error:
        report_error(*message);
        break;
    default:
        return QObject::event(event);
    }
    message->set_result(1);
    return true;
}

void CSocket_control::connection_finished(int error)
{
    if (!m_connecting) {
        return;
    }
    if (error == 0) {
        m_reassembler.reset();
        m_socket.async_select(this, window_message::control_socket,
                              socket_event::read | socket_event::write);
    } else {
        close();
    }
    if (m_connect_notice != 0 && parent() != nullptr) {
        PostWindowMessage(parent(), m_connect_notice, static_cast<std::uintptr_t>(error), 0);
    }
    m_connecting = false;
}

void CSocket_control::receive()
{
    const std::span<std::byte> area = m_reassembler.free_area();
    const long received = m_socket.receive(area.data(), area.size());
    if (received == 0) {
        // The computer closed the connection: the parent is told as of a lost connection.
        close();
        if (m_error_notice != 0 && parent() != nullptr) {
            PostWindowMessage(parent(), m_error_notice, string_id::control_closed, 0);
        }
        return;
    }
    if (received < 0) {
        return;
    }
    if (m_messages == nullptr) {
        m_reassembler.reset();
        return;
    }
    m_reassembler.consume(static_cast<std::size_t>(received), *this);
}

// Hands the queued bytes to the connection, as many as it takes now.
void CSocket_control::flush()
{
    std::size_t taken = 0;
    while (taken < m_unsent.size()) {
        const long sent = m_socket.send(m_unsent.data() + taken, m_unsent.size() - taken);
        if (sent < 0) {
            m_unsent.clear();
            return;
        }
        if (sent == 0) {
            break;
        }
        taken += static_cast<std::size_t>(sent);
    }
    m_unsent.erase(m_unsent.begin(), m_unsent.begin() + static_cast<std::ptrdiff_t>(taken));
}

void CSocket_control::report_error(const CWindow_message &message)
{
    if (m_error_notice != 0 && parent() != nullptr) {
        PostWindowMessage(parent(), m_error_notice, message.wparam(), message.lparam());
    }
    m_error_box.show(qobject_cast<QWidget *>(parent()), static_cast<int>(message.wparam()));
}

void CSocket_control::frame_received(CFrame_queue &queue, EFrame_status status)
{
    if (status != EFrame_status::ok || queue.number() != CMessage0::number_of_record) {
        return;
    }
    CGroup_base *acknowledgement = m_messages->copy_to_record();
    if (acknowledgement == nullptr) {
        return;
    }
    if (m_windows != nullptr) {
        m_windows->update_from_message();
    }
    acknowledgement->set_frame_number(frame::no_number);
}
