#pragma once
// Small pieces over POSIX sockets: owned descriptors, non-blocking sockets for sending datagrams
// and for listening, a send queue that never blocks, and a poll set. Errors are errno values.

#include <poll.h>

#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

// A descriptor closed when its holder goes.
class CFd {
public:
    CFd() = default;
    explicit CFd(int fd) : m_fd(fd) {}
    CFd(CFd &&other) noexcept : m_fd(other.release()) {}
    CFd &operator=(CFd &&other) noexcept;
    CFd(const CFd &) = delete;
    CFd &operator=(const CFd &) = delete;
    ~CFd() { reset(); }

    int get() const { return m_fd; }
    explicit operator bool() const { return m_fd >= 0; }
    void reset();
    int release();

private:
    int m_fd = -1;
};

// An IPv4 address (host order) and port.
struct SEndpoint {
    std::uint32_t address = 0;
    std::uint16_t port = 0;
};

std::string format_endpoint(const SEndpoint &endpoint);
std::string error_text(int error);

// A non-blocking UDP socket bound to `local` (any port) that may send to broadcast addresses.
int open_datagram_sender(std::uint32_t local, CFd &out);
// A non-blocking TCP socket listening on `local`:`port`; port 0 lets the system pick one.
int open_listener(const SEndpoint &local, CFd &out);
// The port a socket is bound to, or 0.
std::uint16_t bound_port(int fd);
// Takes one waiting connection as a non-blocking socket; EAGAIN when none waits.
int accept_connection(int listener, CFd &out, SEndpoint &peer);
// Asks for a send buffer of `bytes` on a socket; returns 0 or errno.
int set_send_buffer(int fd, int bytes);
// Sends one datagram without waiting; returns 0 or errno.
int send_datagram(int fd, const SEndpoint &to, std::span<const std::byte> bytes);

// Bytes waiting to go out on a stream socket, in order. Whatever the socket does not take now
// stays queued until it is writable again; no call waits, and a closed peer raises no SIGPIPE.
class CSend_queue {
public:
    explicit CSend_queue(std::size_t limit) : m_limit(limit) {}

    // Appends all of `bytes`, or nothing when they would take the queue over its limit.
    bool append(std::span<const std::byte> bytes);
    // Sends as much as the socket takes now. Returns 0, or the errno of a failed send.
    int flush(int fd);
    bool empty() const { return m_sent == m_bytes.size(); }
    void clear();

private:
    std::size_t m_limit;
    std::vector<std::byte> m_bytes;
    std::size_t m_sent = 0;
};

// The descriptors one poll() waits on, and what it found.
class CPoll_set {
public:
    static constexpr std::size_t none = static_cast<std::size_t>(-1);

    void clear() { m_entries.clear(); }
    // Returns the index under which `revents` tells the result.
    std::size_t add(int fd, short events);
    short revents(std::size_t index) const { return index == none ? 0 : m_entries[index].revents; }
    // Waits up to `timeout_ms`. Returns 0, also when a signal ended the wait, or errno.
    int wait(int timeout_ms);

private:
    std::vector<pollfd> m_entries;
};
