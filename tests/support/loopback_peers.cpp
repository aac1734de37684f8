#include "loopback_peers.h"

#include <gtest/gtest.h>

#include <arpa/inet.h>
#include <cerrno>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

sockaddr_in address_of(std::uint32_t address, std::uint16_t port)
{
    sockaddr_in result{};
    result.sin_family = AF_INET;
    result.sin_addr.s_addr = htonl(address);
    result.sin_port = htons(port);
    return result;
}

std::uint16_t bound_port(int handle)
{
    sockaddr_in address{};
    socklen_t length = sizeof address;
    getsockname(handle, reinterpret_cast<sockaddr *>(&address), &length);
    return ntohs(address.sin_port);
}

} // namespace

CUdp_sender::CUdp_sender(std::uint8_t host)
    : m_handle(socket(AF_INET, SOCK_DGRAM, 0)), m_address(loopback(host))
{
    const sockaddr_in local = address_of(m_address, 0);
    EXPECT_EQ(bind(m_handle, reinterpret_cast<const sockaddr *>(&local), sizeof local), 0);
}

CUdp_sender::~CUdp_sender()
{
    close(m_handle);
}

void CUdp_sender::send_to(std::uint16_t port, const Bytes &datagram) const
{
    const sockaddr_in target = address_of(loopback(1), port);
    EXPECT_EQ(sendto(m_handle, datagram.data(), datagram.size(), 0,
                     reinterpret_cast<const sockaddr *>(&target), sizeof target),
              static_cast<ssize_t>(datagram.size()));
}

CUdp_receiver::CUdp_receiver() : m_handle(socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK, 0))
{
    const sockaddr_in local = address_of(loopback(1), 0);
    EXPECT_EQ(bind(m_handle, reinterpret_cast<const sockaddr *>(&local), sizeof local), 0);
    m_port = bound_port(m_handle);
}

CUdp_receiver::~CUdp_receiver()
{
    close(m_handle);
}

std::vector<Bytes> CUdp_receiver::take()
{
    std::vector<Bytes> datagrams;
    Bytes buffer(65536);
    while (true) {
        const ssize_t count = recv(m_handle, buffer.data(), buffer.size(), 0);
        if (count < 0) {
            return datagrams;
        }
        datagrams.emplace_back(buffer.begin(), buffer.begin() + count);
    }
}

CTcp_peer::CTcp_peer(std::uint8_t host)
    : m_listener(socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK, 0))
{
    const sockaddr_in local = address_of(loopback(host), 0);
    EXPECT_EQ(bind(m_listener, reinterpret_cast<const sockaddr *>(&local), sizeof local), 0);
    EXPECT_EQ(listen(m_listener, 4), 0);
    m_port = bound_port(m_listener);
}

CTcp_peer::~CTcp_peer()
{
    close_connection();
    close(m_listener);
}

bool CTcp_peer::accept()
{
    if (m_connection < 0) {
        m_connection = ::accept4(m_listener, nullptr, nullptr, SOCK_NONBLOCK);
    }
    return m_connection >= 0;
}

void CTcp_peer::shrink_receive_buffer()
{
    const int bytes = 4096;
    setsockopt(m_connection, SOL_SOCKET, SO_RCVBUF, &bytes, sizeof bytes);
}

void CTcp_peer::write(const Bytes &bytes) const
{
    EXPECT_EQ(::send(m_connection, bytes.data(), bytes.size(), MSG_NOSIGNAL),
              static_cast<ssize_t>(bytes.size()));
}

bool CTcp_peer::read_available()
{
    std::byte chunk[4096];
    for (;;) {
        const ssize_t count = ::recv(m_connection, chunk, sizeof chunk, 0);
        if (count > 0) {
            received.insert(received.end(), chunk, chunk + count);
        } else if (count == 0) {
            return false;
        } else {
            return errno == EAGAIN || errno == EWOULDBLOCK;
        }
    }
}

void CTcp_peer::close_connection()
{
    if (m_connection >= 0) {
        close(m_connection);
        m_connection = -1;
    }
}

std::uint16_t UnusedTcpPort()
{
    const int handle = socket(AF_INET, SOCK_STREAM, 0);
    const sockaddr_in local = address_of(loopback(1), 0);
    bind(handle, reinterpret_cast<const sockaddr *>(&local), sizeof local);
    const std::uint16_t port = bound_port(handle);
    close(handle);
    return port;
}
