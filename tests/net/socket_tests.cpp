// The socket wrapper: error codes, the sockets that close themselves, notices of closed sockets.

#include "net/a_socket.h"
#include "net/socket_errors.h"

#include "loopback_peers.h"
#include "test_windows.h"

#include <gtest/gtest.h>

#include <cerrno>

namespace {

TEST(SocketErrors, ErrnoValuesReadAsTheCodesUsersKnow)
{
    EXPECT_EQ(socket_error::FromErrno(EWOULDBLOCK), 10035);
    EXPECT_EQ(socket_error::FromErrno(EINPROGRESS), 10036);
    EXPECT_EQ(socket_error::FromErrno(ECONNREFUSED), 10061);
    EXPECT_EQ(socket_error::FromErrno(ECONNRESET), 10054);
    EXPECT_EQ(socket_error::FromErrno(EPIPE), 10054) << "sending to a peer that has gone";
    EXPECT_EQ(socket_error::FromErrno(ETIMEDOUT), 10060);
    EXPECT_EQ(socket_error::FromErrno(EADDRINUSE), 10048);
    EXPECT_EQ(socket_error::FromErrno(ENOTCONN), 10057);
    EXPECT_EQ(socket_error::FromErrno(EIO), 10000) << "no code of its own";
}

TEST(Socket, FatalCodesCloseAndShutdownOnlyClearsTheOpenFlag)
{
    CNotice_recorder window;
    CA_socket socket;
    socket.set_error_target(&window, window_message::display_error);

    ASSERT_EQ(socket.open(CA_socket::datagram), 0);
    socket.report_error(socket_error::connection_reset);
    EXPECT_FALSE(socket.is_open());
    ASSERT_TRUE(WaitFor([&] { return window.count(window_message::display_error) == 1; }));
    EXPECT_EQ(window.notices[0].wparam, 10054u);

    ASSERT_EQ(socket.open(CA_socket::datagram), 0);
    socket.report_error(socket_error::shut_down);
    EXPECT_FALSE(socket.is_open());
    socket.report_error(socket_error::would_block);
    ASSERT_TRUE(WaitFor([&] { return window.count(window_message::display_error) == 3; }));
}

// A read notice posted before a close may be handled after the handle has been reused.
TEST(Socket, ANoticeOfAClosedSocketIsNotTakenForOneOfTheNext)
{
    CNotice_recorder window;
    CUdp_sender computer{2};
    CA_socket socket;
    auto open_and_hear = [&] {
        EXPECT_EQ(socket.open(CA_socket::datagram), 0);
        socket.set_address(loopback(1), 0);
        EXPECT_EQ(socket.bind(), 0);
        socket.async_select(&window, window_message::display_socket, socket_event::read);
        computer.send_to(socket.local_port(), Bytes(4, std::byte{1}));
        const std::size_t heard = window.notices.size() + 1;
        EXPECT_TRUE(WaitFor([&] { return window.notices.size() == heard; }));
        return window.notices.back().wparam;
    };
    const std::uintptr_t first = open_and_hear();
    EXPECT_TRUE(socket.is_current(first));
    socket.close();
    const std::uintptr_t second = open_and_hear();
    EXPECT_FALSE(socket.is_current(first));
    EXPECT_TRUE(socket.is_current(second));
    EXPECT_EQ(socket_event::event_of(window.notices.back().lparam), socket_event::read);
}

} // namespace
