#include "net/a_socket.h"

#include "net/socket_errors.h"
#include "platform/window_message.h"

#include <QSocketNotifier>

#include <arpa/inet.h>
#include <cerrno>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

namespace {

sockaddr_in socket_address(std::uint32_t address, std::uint16_t port)
{
    sockaddr_in result{};
    result.sin_family = AF_INET;
    result.sin_port = htons(port);
    result.sin_addr.s_addr = htonl(address);
    return result;
}

// Each opened socket gets a number of its own, so that a notice of a closed socket is not taken
// for one of a later socket that happens to reuse the handle.
std::uintptr_t next_generation()
{
    static std::uintptr_t generation = 0;
    return ++generation;
}

} // namespace

CA_socket::CA_socket() = default;

CA_socket::~CA_socket()
{
    if (m_handle >= 0) {
        close();
    }
}

int CA_socket::open(EType type)
{
    const int kind = type == datagram ? SOCK_DGRAM : SOCK_STREAM;
    m_handle = ::socket(AF_INET, kind | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (m_handle < 0) {
        return fail(socket_error::FromErrno(errno));
    }
    m_type = type;
    int code = type == datagram ? set_option(SO_BROADCAST, 1) : 0;
    if (code == 0) {
        code = set_option(SO_REUSEADDR, 1);
    }
    if (code != 0) {
        ::close(m_handle);
        m_handle = -1;
        return code;
    }
    m_open = true;
    m_generation = next_generation();
    return 0;
}

int CA_socket::close()
{
    m_open = false;
    m_read_notifier.reset();
    m_write_notifier.reset();
    m_events = 0;
    if (m_handle < 0) {
        return m_last_error;
    }
    // No lingering: a close must never hold up the GUI thread. A stream still says goodbye.
    if (m_type == stream) {
        ::shutdown(m_handle, SHUT_RDWR);
    }
    ::close(m_handle);
    m_handle = -1;
    return m_last_error;
}

int CA_socket::bind()
{
    const sockaddr_in address = socket_address(m_address, m_port);
    if (::bind(m_handle, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        return fail(socket_error::FromErrno(errno));
    }
    return 0;
}

int CA_socket::connect()
{
    const sockaddr_in address = socket_address(m_address, m_port);
    if (::connect(m_handle, reinterpret_cast<const sockaddr *>(&address), sizeof address) != 0) {
        const int code = socket_error::FromErrno(errno);
        if (code != socket_error::would_block && code != socket_error::in_progress &&
            code != socket_error::already_connected) {
            return fail(code);
        }
    }
    return 0;
}

long CA_socket::send(const std::byte *data, std::size_t length)
{
    ssize_t sent;
    if (m_type == stream) {
        sent = ::send(m_handle, data, length, MSG_NOSIGNAL);
    } else {
        const sockaddr_in address = socket_address(m_address, m_port);
        sent = ::sendto(m_handle, data, length, MSG_NOSIGNAL,
                        reinterpret_cast<const sockaddr *>(&address), sizeof address);
    }
    if (sent < 0) {
        const int code = socket_error::FromErrno(errno);
        if (code == socket_error::would_block) {
            sent = 0;
        } else {
            m_last_error = code;
            if (code != socket_error::interrupted) {
                report_error(code);
            }
            report_error(code == socket_error::invalid_argument ? socket_error::connection_reset
                                                                : code);
            return -1;
        }
    }
    if (static_cast<std::size_t>(sent) < length && (m_events & socket_event::write) != 0) {
        arm(m_write_notifier.get(), true);
    }
    return static_cast<long>(sent);
}

long CA_socket::receive(std::byte *data, std::size_t length)
{
    return received(::recv(m_handle, data, length, 0));
}

long CA_socket::receive_from(std::byte *data, std::size_t length, std::uint32_t &sender)
{
    sockaddr_in from{};
    socklen_t from_length = sizeof from;
    const long count = received(
        ::recvfrom(m_handle, data, length, 0, reinterpret_cast<sockaddr *>(&from), &from_length));
    if (count >= 0) {
        sender = ntohl(from.sin_addr.s_addr);
    }
    return count;
}

// After a receive the next read notice may come; nothing there yet is no failure.
long CA_socket::received(ssize_t result)
{
    const int code = result < 0 ? socket_error::FromErrno(errno) : socket_error::none;
    arm(m_read_notifier.get(), true);
    if (result < 0) {
        if (code != socket_error::would_block && code != socket_error::interrupted) {
            fail(code);
        }
        return -1;
    }
    return static_cast<long>(result);
}

void CA_socket::set_address(std::uint32_t address, std::uint16_t port)
{
    m_address = address;
    m_port = port;
}

int CA_socket::set_option(int name, int value)
{
    if (::setsockopt(m_handle, SOL_SOCKET, name, &value, sizeof value) != 0) {
        return fail(socket_error::FromErrno(errno));
    }
    return 0;
}

bool CA_socket::try_option(int name, int value)
{
    return ::setsockopt(m_handle, SOL_SOCKET, name, &value, sizeof value) == 0;
}

int CA_socket::option(int name, int &value) const
{
    socklen_t length = sizeof value;
    if (::getsockopt(m_handle, SOL_SOCKET, name, &value, &length) != 0) {
        return socket_error::FromErrno(errno);
    }
    return 0;
}

std::uint16_t CA_socket::local_port() const
{
    sockaddr_in address{};
    socklen_t length = sizeof address;
    if (::getsockname(m_handle, reinterpret_cast<sockaddr *>(&address), &length) != 0) {
        return 0;
    }
    return ntohs(address.sin_port);
}

void CA_socket::async_select(QObject *receiver, int message, unsigned events)
{
    m_read_notifier.reset();
    m_write_notifier.reset();
    m_notice_target = receiver;
    m_notice_message = message;
    m_events = receiver == nullptr || message == 0 ? 0 : events;
    if (m_handle < 0 || m_events == 0) {
        return;
    }
    if ((m_events & (socket_event::read | socket_event::close)) != 0) {
        m_read_notifier = std::make_unique<QSocketNotifier>(m_handle, QSocketNotifier::Read);
        QObject::connect(m_read_notifier.get(), &QSocketNotifier::activated, m_read_notifier.get(),
                         [this] { on_readable(); });
    }
    if ((m_events & (socket_event::write | socket_event::connect)) != 0) {
        m_write_notifier = std::make_unique<QSocketNotifier>(m_handle, QSocketNotifier::Write);
        QObject::connect(m_write_notifier.get(), &QSocketNotifier::activated,
                         m_write_notifier.get(), [this] { on_writable(); });
    }
}

void CA_socket::set_error_target(QObject *receiver, int message)
{
    m_error_target = receiver;
    m_error_message = message;
}

void CA_socket::report_error(int code)
{
    m_last_error = code;
    if (m_error_target != nullptr && m_error_message != 0) {
        PostWindowMessage(m_error_target, m_error_message, static_cast<std::uintptr_t>(code), 0);
    }
    if (socket_error::ClosesSocket(code)) {
        if (m_open) {
            close();
        }
    } else if (code == socket_error::not_a_socket || code == socket_error::shut_down) {
        m_open = false;
    }
}

int CA_socket::fail(int code)
{
    report_error(code);
    return code;
}

void CA_socket::notify(unsigned event, int error)
{
    if (m_notice_target != nullptr) {
        PostWindowMessage(m_notice_target, m_notice_message, m_generation,
                          socket_event::reply(event, error));
    }
}

// A read notice comes once until the receiver has read again.
void CA_socket::on_readable()
{
    arm(m_read_notifier.get(), false);
    if ((m_events & socket_event::read) != 0) {
        notify(socket_event::read, 0);
    }
}

// The first writable moment of a pending connection ends it, for better or worse; after that,
// write notices come when a send could not send everything.
void CA_socket::on_writable()
{
    arm(m_write_notifier.get(), false);
    if ((m_events & socket_event::connect) != 0) {
        m_events &= ~socket_event::connect;
        int error_number = 0;
        socklen_t length = sizeof error_number;
        ::getsockopt(m_handle, SOL_SOCKET, SO_ERROR, &error_number, &length);
        notify(socket_event::connect, socket_error::FromErrno(error_number));
        return;
    }
    if ((m_events & socket_event::write) != 0) {
        notify(socket_event::write, 0);
    }
}

void CA_socket::arm(QSocketNotifier *notifier, bool on)
{
    if (notifier != nullptr && notifier->isEnabled() != on) {
        notifier->setEnabled(on);
    }
}

std::string AddressText(std::uint32_t address)
{
    in_addr value{};
    value.s_addr = htonl(address);
    char text[INET_ADDRSTRLEN] = {};
    if (::inet_ntop(AF_INET, &value, text, sizeof text) == nullptr) {
        return {};
    }
    return text;
}

std::uint32_t ParseDottedAddress(const std::string &text)
{
    in_addr value{};
    if (::inet_pton(AF_INET, text.c_str(), &value) != 1) {
        return 0;
    }
    return ntohl(value.s_addr);
}
