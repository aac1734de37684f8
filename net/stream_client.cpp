#include "net/stream_client.h"

#include "net/socket_errors.h"
#include "platform/window_message.h"

#include <sys/socket.h>

CStream_client::CStream_client(IStream_owner &owner, SSocket_notices notices, QObject *parent)
    : QObject(parent), m_owner(owner), m_notices(notices)
{}

int CStream_client::connect(std::uint32_t address, std::uint16_t port, int buffer_bytes)
{
    close();
    m_socket.set_error_target(this, m_notices.error);
    int code = m_socket.open(CA_socket::stream);
    if (code != 0) {
        return code;
    }
    m_socket.set_option(SO_RCVBUF, buffer_bytes);
    m_socket.set_option(SO_SNDBUF, buffer_bytes);
    m_socket.set_address(address, port);
    m_socket.async_select(this, m_notices.connect, socket_event::connect);
    code = m_socket.connect();
    if (code == 0) {
        m_connecting = true;
    } else {
        close();
    }
    return code;
}

void CStream_client::close()
{
    m_connecting = false;
    m_unsent.clear();
    if (m_socket.is_open()) {
        m_socket.async_select(nullptr, 0, 0);
        m_socket.close();
    }
}

long CStream_client::send(const std::byte *data, std::size_t length)
{
    if (!is_connected()) {
        return 0;
    }
    m_unsent.insert(m_unsent.end(), data, data + length);
    flush();
    return m_socket.is_open() ? static_cast<long>(length) : -1;
}

bool CStream_client::event(QEvent *event)
{
    CWindow_message *message = AsWindowMessage(event);
    if (message == nullptr) {
        return QObject::event(event);
    }
    const int number = message->number();
    if (number == m_notices.connect) {
        if (m_socket.is_current(message->wparam()) &&
            socket_event::event_of(message->lparam()) == socket_event::connect) {
            finish_connecting(socket_event::error_of(message->lparam()));
        }
    } else if (number == m_notices.readiness) {
        if (m_socket.is_current(message->wparam())) {
            if (socket_event::event_of(message->lparam()) == socket_event::write) {
                flush();
            } else {
                receive();
            }
        }
    } else if (number == m_notices.error) {
        m_owner.socket_error(static_cast<int>(message->wparam()));
    } else {
        return QObject::event(event);
    }
    message->set_result(1);
    return true;
}

void CStream_client::finish_connecting(int error)
{
    if (!m_connecting) {
        return;
    }
    if (error == 0) {
        m_socket.async_select(this, m_notices.readiness, socket_event::read | socket_event::write);
    } else {
        close();
    }
    m_connecting = false;
    m_owner.connection_finished(error);
}

void CStream_client::receive()
{
    const std::span<std::byte> area = m_owner.receive_area();
    const long received = m_socket.receive(area.data(), area.size());
    if (received == 0) {
        close();
        m_owner.peer_closed();
        return;
    }
    if (received > 0) {
        m_owner.received(static_cast<std::size_t>(received));
    }
}

// Hands the queued bytes to the connection, as many as it takes now.
void CStream_client::flush()
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
