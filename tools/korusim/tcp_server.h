#pragma once
// A TCP port of the computer that serves one client at a time. A second client is accepted and
// closed at once, so that it learns straight away that the port is taken.

#include "tools/korusim/event_log.h"
#include "tools/korusim/net.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

class CTcp_server {
public:
    CTcp_server(const CTcp_server &) = delete;
    CTcp_server &operator=(const CTcp_server &) = delete;
    virtual ~CTcp_server() = default;

    // Listens on `local`; port 0 picks a free one. Returns 0 or errno.
    int open(const SEndpoint &local);
    std::uint16_t port() const { return m_port; }
    bool has_client() const { return static_cast<bool>(m_client); }

    void add_to(CPoll_set &set);
    // Accepts, reads and writes as `set` found the sockets ready.
    void handle(const CPoll_set &set, double now);

    // Queues `bytes` for the client and sends what the socket takes now. False, with nothing
    // queued, when there is no client or its queue is full. Safe to call from the handlers
    // below: a failed send closes the connection only on the next turn of the loop.
    bool send(std::span<const std::byte> bytes);
    // Closes the connection, on a later turn of the loop, once everything queued has gone out.
    void close_after_sending();
    // Closes the connection now; not for use inside the handlers below.
    void drop_client(std::string_view reason);

protected:
    CTcp_server(std::string name, CEvent_log &log, std::size_t send_limit);

    CEvent_log &log() { return m_log; }
    const std::string &name() const { return m_name; }
    double connected_at() const { return m_connected_at; }

    virtual void client_connected(double now) = 0;
    // Where the next read goes.
    virtual std::span<std::byte> receive_area() = 0;
    virtual void received(std::size_t count, double now) = 0;
    virtual void client_closed() = 0;

private:
    void accept_waiting(double now);
    void read_client(double now);
    void flush_client();
    // Closes a connection that failed to send or is done sending.
    void settle();
    void close_client();

    std::string m_name;
    CEvent_log &m_log;
    CFd m_listener;
    std::uint16_t m_port = 0;
    CFd m_client;
    SEndpoint m_peer;
    CSend_queue m_queue;
    bool m_close_when_sent = false;
    int m_send_error = 0;
    double m_connected_at = 0;
    std::size_t m_listener_index = CPoll_set::none;
    std::size_t m_client_index = CPoll_set::none;
};
