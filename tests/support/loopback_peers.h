#pragma once
// Plain POSIX peers on loopback for the network tests: a datagram sender with an address of its
// own, and a TCP listener standing in for a computer's control port.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

using Bytes = std::vector<std::byte>;

constexpr std::uint32_t loopback(std::uint8_t host)
{
    return 0x7F000000u | host;
}

class CUdp_sender {
public:
    // Sends from 127.0.0.`host`.
    explicit CUdp_sender(std::uint8_t host);
    ~CUdp_sender();
    CUdp_sender(const CUdp_sender &) = delete;
    CUdp_sender &operator=(const CUdp_sender &) = delete;

    void send_to(std::uint16_t port, const Bytes &datagram) const;
    std::uint32_t address() const { return m_address; }

private:
    int m_handle;
    std::uint32_t m_address;
};

class CUdp_receiver {
public:
    // Receives on 127.0.0.1 at a port the system picks.
    CUdp_receiver();
    ~CUdp_receiver();
    CUdp_receiver(const CUdp_receiver &) = delete;
    CUdp_receiver &operator=(const CUdp_receiver &) = delete;

    std::uint16_t port() const { return m_port; }
    // Every datagram waiting now, oldest first.
    std::vector<Bytes> take();

private:
    int m_handle;
    std::uint16_t m_port = 0;
};

class CTcp_peer {
public:
    // Listens on 127.0.0.`host` with an ephemeral port.
    explicit CTcp_peer(std::uint8_t host = 1);
    ~CTcp_peer();
    CTcp_peer(const CTcp_peer &) = delete;
    CTcp_peer &operator=(const CTcp_peer &) = delete;

    std::uint16_t port() const { return m_port; }
    // Accepts the pending connection, if there is one; true once connected.
    bool accept();
    // Shrinks the connection's receive buffer so that a sender fills it soon.
    void shrink_receive_buffer();
    void write(const Bytes &bytes) const;
    // Appends what has arrived to `received`; false once the other side has closed.
    bool read_available();
    void close_connection();

    Bytes received;

private:
    int m_listener;
    int m_connection = -1;
    std::uint16_t m_port = 0;
};

// A port on 127.0.0.1 where nobody listens.
std::uint16_t UnusedTcpPort();
