#pragma once
// Socket error codes. The program reports socket failures by the Windows Sockets numbers its
// users and its string table know (10035 "Operation would block", 10061 "Connection refused", …);
// POSIX errno values are translated to them.

namespace socket_error {

inline constexpr int none = 0;
inline constexpr int generic = 10000; // codes below it read as this one
inline constexpr int interrupted = 10004;
inline constexpr int bad_handle = 10009;
inline constexpr int invalid_argument = 10022;
inline constexpr int would_block = 10035;
inline constexpr int in_progress = 10036;
inline constexpr int already_in_progress = 10037;
inline constexpr int not_a_socket = 10038;
inline constexpr int network_down = 10050;
inline constexpr int already_connected = 10056;
inline constexpr int not_connected = 10057;
inline constexpr int shut_down = 10058;
inline constexpr int connection_reset = 10054;
inline constexpr int connection_refused = 10061;
inline constexpr int version_unavailable = 10092;
inline constexpr int host_not_found = 11001;

// The code of an errno value; `generic` for values without one.
int FromErrno(int error_number);

// Codes after which the socket is of no further use and closes itself.
bool ClosesSocket(int code);

} // namespace socket_error

// Readiness events a socket can report, and the reply word of a readiness notice: the event in the
// low 16 bits, the error code in the high 16 bits.
namespace socket_event {

inline constexpr unsigned read = 0x01;
inline constexpr unsigned write = 0x02;
inline constexpr unsigned connect = 0x10;
inline constexpr unsigned close = 0x20;

constexpr long reply(unsigned event, int error)
{
    return static_cast<long>((error << 16) | event);
}
constexpr unsigned event_of(long reply)
{
    return static_cast<unsigned>(reply & 0xFFFF);
}
constexpr int error_of(long reply)
{
    return static_cast<int>((reply >> 16) & 0xFFFF);
}

} // namespace socket_event
