#include "tools/korusim/tcp_server.h"

#include <sys/socket.h>

#include <cerrno>

namespace {

// The computer's own socket buffers are small: what a client does not take waits in the send
// queue, where the port decides what to do about it, rather than in the kernel.
constexpr int socket_send_buffer = 64 * 1024;

} // namespace

CTcp_server::CTcp_server(std::string name, CEvent_log &log, std::size_t send_limit)
    : m_name(std::move(name)), m_log(log), m_queue(send_limit)
{}

int CTcp_server::open(const SEndpoint &local)
{
    if (const int error = open_listener(local, m_listener); error != 0) {
        return error;
    }
    m_port = bound_port(m_listener.get());
    return 0;
}

void CTcp_server::add_to(CPoll_set &set)
{
    settle();
    m_listener_index = m_listener ? set.add(m_listener.get(), POLLIN) : CPoll_set::none;
    m_client_index = CPoll_set::none;
    if (m_client) {
        const short events = static_cast<short>(POLLIN | (m_queue.empty() ? 0 : POLLOUT));
        m_client_index = set.add(m_client.get(), events);
    }
}

void CTcp_server::handle(const CPoll_set &set, double now)
{
    // The client first: the descriptor polled may be replaced by a new client below.
    const short client_events = set.revents(m_client_index);
    if ((client_events & (POLLIN | POLLHUP | POLLERR)) != 0) {
        read_client(now);
    }
    if (m_client && (client_events & POLLOUT) != 0) {
        flush_client();
    }
    settle();
    if ((set.revents(m_listener_index) & POLLIN) != 0) {
        accept_waiting(now);
    }
}

void CTcp_server::accept_waiting(double now)
{
    CFd connection;
    SEndpoint peer;
    const int error = accept_connection(m_listener.get(), connection, peer);
    if (error == EAGAIN) {
        return;
    }
    if (error != 0) {
        m_log.line(m_name + ": accepting a connection failed: " + error_text(error));
        return;
    }
    if (m_client) {
        m_log.line(m_name + ": " + format_endpoint(peer) + " closed at once: " +
                   format_endpoint(m_peer) + " is connected, one client at a time");
        return;
    }
    set_send_buffer(connection.get(), socket_send_buffer);
    m_client = std::move(connection);
    m_peer = peer;
    m_connected_at = now;
    m_log.line(m_name + ": " + format_endpoint(peer) + " connected");
    client_connected(now);
}

void CTcp_server::read_client(double now)
{
    const std::span<std::byte> area = receive_area();
    const ssize_t count = recv(m_client.get(), area.data(), area.size(), 0);
    if (count > 0) {
        received(static_cast<std::size_t>(count), now);
        return;
    }
    if (count < 0 && (errno == EAGAIN || errno == EWOULDBLOCK || errno == EINTR)) {
        return;
    }
    drop_client(count == 0 ? "closed by the client" : error_text(errno));
}

void CTcp_server::flush_client()
{
    if (m_send_error == 0) {
        m_send_error = m_queue.flush(m_client.get());
    }
}

void CTcp_server::settle()
{
    if (!m_client) {
        return;
    }
    if (m_send_error != 0) {
        drop_client("sending failed: " + error_text(m_send_error));
    } else if (m_close_when_sent && m_queue.empty()) {
        drop_client("closed after the last answer");
    }
}

bool CTcp_server::send(std::span<const std::byte> bytes)
{
    if (!m_client || m_close_when_sent || !m_queue.append(bytes)) {
        return false;
    }
    flush_client();
    return true;
}

void CTcp_server::close_after_sending()
{
    if (m_client) {
        m_close_when_sent = true;
    }
}

void CTcp_server::drop_client(std::string_view reason)
{
    if (!m_client) {
        return;
    }
    m_log.line(m_name + ": " + format_endpoint(m_peer) + " disconnected: " + std::string(reason));
    close_client();
}

void CTcp_server::close_client()
{
    m_client.reset();
    m_queue.clear();
    m_close_when_sent = false;
    m_send_error = 0;
    client_closed();
}
