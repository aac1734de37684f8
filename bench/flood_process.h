#pragma once
// The second process of the display-port benchmarks: it floods a port on loopback with one
// sealed Group 1 per datagram, at a set rate for a set time, from an address of its own, and
// tells how many datagrams it sent.

#include <cstdint>
#include <netinet/in.h>
#include <sys/types.h>

namespace bench_loopback {
inline constexpr std::uint32_t receiver_address = 0x7F000001; // 127.0.0.1
inline constexpr std::uint32_t sender_address = 0x7F000002;   // 127.0.0.2

// `address` and `port` (host order) as the socket calls take them.
sockaddr_in SocketAddress(std::uint32_t address, std::uint16_t port);
} // namespace bench_loopback

class CFlood_process {
public:
    // Starts the process: `rate` datagrams a second to `port` on the receiver address for
    // `seconds`, in one burst a millisecond.
    CFlood_process(std::uint16_t port, long rate, double seconds);
    // A process still running is killed; the process is always reaped.
    ~CFlood_process();
    CFlood_process(const CFlood_process &) = delete;
    CFlood_process &operator=(const CFlood_process &) = delete;

    // Whether the process has ended.
    bool ended();
    // Waits for the process to end (it is killed when it runs well past its time) and returns how
    // many datagrams it sent; -1 when it did not say.
    long sent();
    // Runs the event loop until the process has ended and for `drain_ms` more, so that the
    // receivers take in what is still queued; then as sent().
    long sent_after_event_loop(int drain_ms = 300);

private:
    bool overdue() const;

    pid_t m_child = -1;
    int m_report = -1;
    double m_deadline = 0; // on the monotonic clock
};
