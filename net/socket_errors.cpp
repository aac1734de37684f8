#include "net/socket_errors.h"

#include <cerrno>

namespace socket_error {

int FromErrno(int error_number)
{
    switch (error_number) {
    case 0:
        return none;
    case EINTR:
        return interrupted;
    case EBADF:
        return bad_handle;
    case EACCES:
    case EPERM:
        return 10013;
    case EFAULT:
        return 10014;
    case EINVAL:
        return invalid_argument;
    case EMFILE:
    case ENFILE:
        return 10024;
    case EWOULDBLOCK:
        return would_block;
    case EINPROGRESS:
        return in_progress;
    case EALREADY:
        return already_in_progress;
    case ENOTSOCK:
        return not_a_socket;
    case EDESTADDRREQ:
        return 10039;
    case EMSGSIZE:
        return 10040;
    case EPROTOTYPE:
        return 10041;
    case ENOPROTOOPT:
        return 10042;
    case EPROTONOSUPPORT:
        return 10043;
    case ESOCKTNOSUPPORT:
        return 10044;
    case EOPNOTSUPP:
        return 10045;
    case EPFNOSUPPORT:
        return 10046;
    case EAFNOSUPPORT:
        return 10047;
    case EADDRINUSE:
        return 10048;
    case EADDRNOTAVAIL:
        return 10049;
    case ENETDOWN:
        return network_down;
    case ENETUNREACH:
        return 10051;
    case ENETRESET:
        return 10052;
    case ECONNABORTED:
        return 10053;
    // Sending to a peer that has gone: the connection is as good as reset.
    case ECONNRESET:
    case EPIPE:
        return connection_reset;
    case ENOBUFS:
    case ENOMEM:
        return 10055;
    case EISCONN:
        return already_connected;
    case ENOTCONN:
        return not_connected;
    case ESHUTDOWN:
        return shut_down;
    case ETOOMANYREFS:
        return 10059;
    case ETIMEDOUT:
        return 10060;
    case ECONNREFUSED:
        return connection_refused;
    case ELOOP:
        return 10062;
    case ENAMETOOLONG:
        return 10063;
    case EHOSTDOWN:
        return 10064;
    case EHOSTUNREACH:
        return 10065;
    case ENOTEMPTY:
        return 10066;
    case EUSERS:
        return 10068;
    case EDQUOT:
        return 10069;
    case ESTALE:
        return 10070;
    case EREMOTE:
        return 10071;
    default:
        return generic;
    }
}

bool ClosesSocket(int code)
{
    switch (code) {
    case 10024:
    case 10039:
    case 10048:
    case 10049:
    case 10050:
    case 10051:
    case 10052:
    case 10053:
    case 10054:
    case 10055:
    case 10057:
    case 10060:
    case 10061:
    case 10093:
        return true;
    default:
        return false;
    }
}

} // namespace socket_error
