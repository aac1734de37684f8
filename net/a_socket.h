#pragma once
// One non-blocking IPv4 socket. Readiness is learned from posted window messages, never by
// waiting; every failure is returned as a code and posted to an error window.

#include <QPointer>

#include <sys/types.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

class QObject;
class QSocketNotifier;

class CA_socket {
public:
    enum EType { stream = 1, datagram = 2 };

    CA_socket();
    virtual ~CA_socket();
    CA_socket(const CA_socket &) = delete;
    CA_socket &operator=(const CA_socket &) = delete;

    // Opens a non-blocking socket; datagram sockets may broadcast; both reuse addresses.
    int open(EType type);
    // Closes at once, without lingering; returns the last error or 0.
    int close();
    int bind();
    // Starts connecting to the stored address; a connection in progress counts as success and
    // its outcome arrives as a connect notice.
    int connect();

    // Sends what the socket takes now: the bytes sent (possibly fewer than `length`, 0 when it
    // takes nothing at the moment) or -1 on failure. Never raises SIGPIPE.
    long send(const std::byte *data, std::size_t length);
    // Bytes received, 0 when a stream's peer has closed, -1 when nothing is there or on failure.
    long receive(std::byte *data, std::size_t length);
    // As receive, for datagrams; `sender` is the sender's address in host order.
    long receive_from(std::byte *data, std::size_t length, std::uint32_t &sender);

    // The peer of a stream socket, the local binding of a datagram socket (host order).
    void set_address(std::uint32_t address, std::uint16_t port);
    int set_option(int name, int value);
    // Sets an option that may be refused (for want of privilege) without reporting the refusal.
    bool try_option(int name, int value);
    int option(int name, int &value) const;
    std::uint16_t local_port() const;

    // Posts `events` (socket_event bits) to `receiver` as `message`: wParam tells the notice's
    // socket (see is_current), lParam is the reply word. Like the readiness notices of the
    // desktop's socket library, a read notice comes again only after the next receive, a write
    // notice only after a send that could not send everything. (nullptr, 0, 0) stops notices.
    void async_select(QObject *receiver, int message, unsigned events);
    // Where report_error posts its notices.
    void set_error_target(QObject *receiver, int message);

    // True when a notice's wParam is from this socket as it is open now (a notice posted before
    // a close may be handled after it).
    bool is_current(std::uintptr_t wparam) const { return m_open && wparam == m_generation; }
    bool is_open() const { return m_open; }
    int last_error() const { return m_last_error; }

    // Posts the code to the error window; codes after which the socket is of no use close it.
    virtual void report_error(int code);

private:
    int fail(int code);
    long received(ssize_t result);
    void notify(unsigned event, int error);
    void on_readable();
    void on_writable();
    void arm(QSocketNotifier *notifier, bool on);

    int m_handle = -1;
    EType m_type = stream;
    std::uint32_t m_address = 0;
    std::uint16_t m_port = 0;
    bool m_open = false;
    std::uintptr_t m_generation = 0;
    int m_last_error = 0;

    QPointer<QObject> m_error_target;
    int m_error_message = 0;
    QPointer<QObject> m_notice_target;
    int m_notice_message = 0;
    unsigned m_events = 0;
    std::unique_ptr<QSocketNotifier> m_read_notifier;
    std::unique_ptr<QSocketNotifier> m_write_notifier;
};

// The dotted text of a host-order address.
std::string AddressText(std::uint32_t address);
// A dotted address in host order, or 0 when `text` is not one.
std::uint32_t ParseDottedAddress(const std::string &text);
