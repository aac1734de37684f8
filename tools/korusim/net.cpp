#include "tools/korusim/net.h"

#include "tools/korusim/options.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace {

sockaddr_in socket_address(const SEndpoint &endpoint)
{
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(endpoint.address);
    address.sin_port = htons(endpoint.port);
    return address;
}

int set_flag(int fd, int level, int option)
{
    const int on = 1;
    return setsockopt(fd, level, option, &on, sizeof on) == 0 ? 0 : errno;
}

int bind_to(int fd, const SEndpoint &local)
{
    const sockaddr_in address = socket_address(local);
    return bind(fd, reinterpret_cast<const sockaddr *>(&address), sizeof address) == 0 ? 0 : errno;
}

} // namespace

CFd &CFd::operator=(CFd &&other) noexcept
{
    if (this != &other) {
        reset();
        m_fd = other.release();
    }
    return *this;
}

void CFd::reset()
{
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

int CFd::release()
{
    const int fd = m_fd;
    m_fd = -1;
    return fd;
}

std::string format_endpoint(const SEndpoint &endpoint)
{
    return format_address(endpoint.address) + ":" + std::to_string(endpoint.port);
}

std::string error_text(int error)
{
    return std::strerror(error);
}

int open_datagram_sender(std::uint32_t local, CFd &out)
{
    CFd fd(socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!fd) {
        return errno;
    }
    if (const int error = set_flag(fd.get(), SOL_SOCKET, SO_BROADCAST); error != 0) {
        return error;
    }
    if (const int error = bind_to(fd.get(), {local, 0}); error != 0) {
        return error;
    }
    out = std::move(fd);
    return 0;
}

int open_listener(const SEndpoint &local, CFd &out)
{
    constexpr int backlog = 4;
    CFd fd(socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0));
    if (!fd) {
        return errno;
    }
    if (const int error = set_flag(fd.get(), SOL_SOCKET, SO_REUSEADDR); error != 0) {
        return error;
    }
    if (const int error = bind_to(fd.get(), local); error != 0) {
        return error;
    }
    if (listen(fd.get(), backlog) != 0) {
        return errno;
    }
    out = std::move(fd);
    return 0;
}

std::uint16_t bound_port(int fd)
{
    sockaddr_in address{};
    socklen_t length = sizeof address;
    if (getsockname(fd, reinterpret_cast<sockaddr *>(&address), &length) != 0) {
        return 0;
    }
    return ntohs(address.sin_port);
}

int accept_connection(int listener, CFd &out, SEndpoint &peer)
{
    sockaddr_in address{};
    socklen_t length = sizeof address;
    const int fd = accept4(listener, reinterpret_cast<sockaddr *>(&address), &length,
                           SOCK_NONBLOCK | SOCK_CLOEXEC);
    if (fd < 0) {
        return errno == EWOULDBLOCK ? EAGAIN : errno;
    }
    out = CFd(fd);
    peer = {ntohl(address.sin_addr.s_addr), ntohs(address.sin_port)};
    return 0;
}

int set_send_buffer(int fd, int bytes)
{
    return setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &bytes, sizeof bytes) == 0 ? 0 : errno;
}

int send_datagram(int fd, const SEndpoint &to, std::span<const std::byte> bytes)
{
    const sockaddr_in address = socket_address(to);
    const ssize_t sent = sendto(fd, bytes.data(), bytes.size(), MSG_NOSIGNAL,
                                reinterpret_cast<const sockaddr *>(&address), sizeof address);
    return sent < 0 ? errno : 0;
}

bool CSend_queue::append(std::span<const std::byte> bytes)
{
    if (m_bytes.size() - m_sent + bytes.size() > m_limit) {
        return false;
    }
    // What has gone out makes room before the queue grows.
    if (m_sent > 0 && m_bytes.size() + bytes.size() > m_bytes.capacity()) {
        m_bytes.erase(m_bytes.begin(), m_bytes.begin() + static_cast<std::ptrdiff_t>(m_sent));
        m_sent = 0;
    }
    m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end());
    return true;
}

int CSend_queue::flush(int fd)
{
    while (!empty()) {
        const ssize_t sent =
            send(fd, m_bytes.data() + m_sent, m_bytes.size() - m_sent, MSG_NOSIGNAL);
        if (sent < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno == EAGAIN || errno == EWOULDBLOCK ? 0 : errno;
        }
        m_sent += static_cast<std::size_t>(sent);
    }
    clear();
    return 0;
}

void CSend_queue::clear()
{
    m_bytes.clear();
    m_sent = 0;
}

std::size_t CPoll_set::add(int fd, short events)
{
    m_entries.push_back({fd, events, 0});
    return m_entries.size() - 1;
}

int CPoll_set::wait(int timeout_ms)
{
    if (poll(m_entries.data(), m_entries.size(), timeout_ms) < 0) {
        if (errno == EINTR) {
            for (pollfd &entry : m_entries) {
                entry.revents = 0;
            }
            return 0;
        }
        return errno;
    }
    return 0;
}
