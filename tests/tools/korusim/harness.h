#pragma once
// A korusim running in-process on a clock the test sets, with a display-port receiver and control
// and logging clients on loopback. Ports are picked by the system, so tests run side by side.

#include "tools/korusim/korusim.h"

#include "protocol/reassembler.h"

#include "frame_bytes.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace korusim_test {

using frame_bytes::Bytes;

class CManual_clock final : public IClock {
public:
    double now() const override { return m_now; }
    void advance(double seconds) { m_now += seconds; }

private:
    double m_now = 0;
};

inline sockaddr_in loopback(std::uint32_t address, std::uint16_t port)
{
    sockaddr_in out{};
    out.sin_family = AF_INET;
    out.sin_addr.s_addr = htonl(address);
    out.sin_port = htons(port);
    return out;
}

// A socket of the test's own, closed at the end. Connecting on loopback does not wait.
class CSocket {
public:
    explicit CSocket(int type) : m_fd(socket(AF_INET, type, 0)) {}
    CSocket(const CSocket &) = delete;
    CSocket &operator=(const CSocket &) = delete;
    ~CSocket() { ::close(m_fd); }
    int fd() const { return m_fd; }

private:
    int m_fd;
};

struct SDatagram {
    Bytes bytes;
    std::uint32_t sender; // host order
};

// Receives the display port on 127.0.0.1 at a port the system picks.
class CDisplay_receiver {
public:
    CDisplay_receiver()
    {
        const sockaddr_in address = loopback(0x7F000001, 0);
        bind(m_socket.fd(), reinterpret_cast<const sockaddr *>(&address), sizeof address);
    }
    std::uint16_t port() const { return bound_port(m_socket.fd()); }

    // Every datagram waiting now (loopback delivers them as they are sent).
    std::vector<SDatagram> take()
    {
        std::vector<SDatagram> datagrams;
        std::byte buffer[65536];
        while (true) {
            sockaddr_in from{};
            socklen_t length = sizeof from;
            const ssize_t count = recvfrom(m_socket.fd(), buffer, sizeof buffer, MSG_DONTWAIT,
                                           reinterpret_cast<sockaddr *>(&from), &length);
            if (count < 0) {
                return datagrams;
            }
            datagrams.push_back({Bytes(buffer, buffer + count), ntohl(from.sin_addr.s_addr)});
        }
    }

private:
    CSocket m_socket{SOCK_DGRAM};
};

// Options for a test: every port picked by the system, nothing echoed unless asked for.
inline SOptions test_options()
{
    SOptions options;
    options.control_port = 0;
    options.logging_ports[0] = 0;
    options.logging_ports[1] = 0;
    options.scanner.port = 0;
    options.echo_seconds = 0;
    return options;
}

class CHarness {
public:
    explicit CHarness(SOptions options = test_options())
    {
        options.display_port = m_display.port();
        m_korusim = std::make_unique<CKorusim>(options, m_clock, m_log);
        m_open_result = m_korusim->open();
        // The loop turns half a step off the times groups are due at, so that no comparison
        // of a due time with the clock is a near tie.
        if (m_open_result == 0) {
            m_clock.advance(0.005);
            m_korusim->run_once(0);
        }
    }

    int open_result() const { return m_open_result; }
    CKorusim &korusim() { return *m_korusim; }
    CDisplay_receiver &display() { return m_display; }
    std::string log() const { return m_out.str(); }

    // Moves the clock on in steps of `step` and runs the loop after each.
    void advance(double seconds, double step = 0.01)
    {
        const auto steps = static_cast<int>(std::lround(seconds / step));
        for (int i = 0; i < steps; ++i) {
            m_clock.advance(step);
            m_korusim->run_once(0);
        }
    }
    // Runs the loop, the clock standing still, until `done` or a generous number of turns.
    bool pump_until(const std::function<bool()> &done)
    {
        for (int turn = 0; turn < 500; ++turn) {
            if (done()) {
                return true;
            }
            m_korusim->run_once(10);
        }
        return done();
    }

private:
    CManual_clock m_clock;
    std::ostringstream m_out;
    CEvent_log m_log{m_out, m_clock};
    CDisplay_receiver m_display;
    std::unique_ptr<CKorusim> m_korusim;
    int m_open_result = 0;
};

// A TCP client of one of korusim's ports; reads what arrives while the harness pumps the loop.
class CClient {
public:
    // A `receive_buffer` other than 0 asks the system for so small a receive buffer.
    CClient(CHarness &harness, std::uint16_t port, int receive_buffer = 0) : m_harness(harness)
    {
        if (receive_buffer != 0) {
            setsockopt(m_socket.fd(), SOL_SOCKET, SO_RCVBUF, &receive_buffer,
                       sizeof receive_buffer);
        }
        const sockaddr_in to = loopback(0x7F000001, port);
        const int result =
            connect(m_socket.fd(), reinterpret_cast<const sockaddr *>(&to), sizeof to);
        m_connect_error = result == 0 ? 0 : errno;
    }

    int connect_error() const { return m_connect_error; }
    bool closed() const { return m_closed; }
    const Bytes &received() const { return m_received; }

    void send(const Bytes &bytes)
    {
        ::send(m_socket.fd(), bytes.data(), bytes.size(), MSG_NOSIGNAL);
    }

    // Pumps the loop until at least `count` bytes came or the peer closed.
    bool wait_for_bytes(std::size_t count)
    {
        return m_harness.pump_until([&] {
            read_waiting();
            return m_received.size() >= count || m_closed;
        });
    }
    // Pumps the loop until the peer closed the connection.
    bool wait_for_close()
    {
        return m_harness.pump_until([&] {
            read_waiting();
            return m_closed;
        });
    }
    void read_waiting()
    {
        std::byte buffer[4096];
        while (!m_closed) {
            const ssize_t count = recv(m_socket.fd(), buffer, sizeof buffer, MSG_DONTWAIT);
            if (count > 0) {
                m_received.insert(m_received.end(), buffer, buffer + count);
            } else if (count == 0 || (errno != EAGAIN && errno != EWOULDBLOCK)) {
                m_closed = true;
            } else {
                return;
            }
        }
    }

private:
    CHarness &m_harness;
    CSocket m_socket{SOCK_STREAM};
    int m_connect_error = 0;
    bool m_closed = false;
    Bytes m_received;
};

// The frames in `bytes`, found by the protocol library's reassembly, with their check.
struct SFound {
    EFrame_kind kind;
    EFrame_status status;
    std::uint16_t number;
    Bytes bytes; // the whole frame when it passed the check
};

class CFrame_collector final : private IFrame_sink {
public:
    CFrame_collector()
    {
        m_reassembler.set_group_queue(&m_groups);
        m_reassembler.set_message_queue(&m_messages);
    }
    // One read (a datagram, or part of a stream).
    void feed(const Bytes &bytes)
    {
        for (std::size_t at = 0; at < bytes.size();) {
            const std::span<std::byte> area = m_reassembler.free_area();
            const std::size_t count = std::min(area.size(), bytes.size() - at);
            std::memcpy(area.data(), bytes.data() + at, count);
            m_reassembler.consume(count, *this);
            at += count;
        }
    }
    std::vector<SFound> found;

private:
    void frame_received(CFrame_queue &queue, EFrame_status status) override
    {
        const bool ok = status == EFrame_status::ok;
        const std::size_t length = ok ? queue.frame_length() : 0;
        found.push_back(
            {queue.kind(), status, queue.number(), Bytes(queue.buffer(), queue.buffer() + length)});
    }

    CGroup_buffer m_groups;
    CMessage_buffer m_messages;
    CReassembler m_reassembler{CReassembler::smallest_area};
};

inline std::vector<SFound> frames_in(const std::vector<SDatagram> &datagrams)
{
    CFrame_collector collector;
    for (const SDatagram &datagram : datagrams) {
        collector.feed(datagram.bytes);
    }
    return collector.found;
}

inline std::vector<std::uint16_t> group_numbers(const std::vector<SFound> &frames)
{
    std::vector<std::uint16_t> numbers;
    for (const SFound &frame : frames) {
        if (frame.kind == EFrame_kind::group) {
            numbers.push_back(frame.number);
        }
    }
    return numbers;
}

} // namespace korusim_test
