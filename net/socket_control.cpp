#include "net/socket_control.h"

#include "net/data_windows.h"
#include "platform/window_message.h"
#include "protocol/wire.h"
#include "resources/string_ids.h"

#include <QWidget>

#include <cerrno>

namespace {

constexpr std::size_t transaction_number_offset = 8;

} // namespace

CSocket_control::CSocket_control(QObject *owner)
    : QObject(owner),
      m_stream(*this,
               {window_message::control_socket, window_message::control_error,
                window_message::control_connect},
               this)
{}

int CSocket_control::connect(std::uint32_t address, std::uint16_t port)
{
    close();
    m_reassembler.reset();
    const int error = m_held ? EPERM : m_stream.connect(address, port, socket_buffer_bytes);
    if (error != 0) {
        connection_finished(error);
    }
    return error;
}

void CSocket_control::set_held(bool held)
{
    m_held = held;
    if (held) {
        close();
    }
}

void CSocket_control::close()
{
    m_stream.close();
}

long CSocket_control::send(const std::byte *data, std::size_t length)
{
    return m_stream.send(data, length);
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

void CSocket_control::connection_finished(int error)
{
    if (error == 0) {
        m_reassembler.reset();
    }
    if (m_connect_notice != 0 && parent() != nullptr) {
        PostWindowMessage(parent(), m_connect_notice, static_cast<std::uintptr_t>(error), 0);
    }
}

void CSocket_control::received(std::size_t count)
{
    if (m_messages == nullptr) {
        m_reassembler.reset();
        return;
    }
    m_reassembler.consume(count, *this);
}

// The computer closed the connection: the parent is told as of a lost connection.
void CSocket_control::peer_closed()
{
    if (m_error_notice != 0 && parent() != nullptr) {
        PostWindowMessage(parent(), m_error_notice, string_id::control_closed, 0);
    }
}

void CSocket_control::socket_error(int code)
{
    if (m_error_notice != 0 && parent() != nullptr) {
        PostWindowMessage(parent(), m_error_notice, static_cast<std::uintptr_t>(code), 0);
    }
    m_error_box.show(qobject_cast<QWidget *>(parent()), code);
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
