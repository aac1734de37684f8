#include "settings/log_file.h"

#include <cerrno>

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

CLog_file::~CLog_file()
{
    close();
}

int CLog_file::open(const std::string &path, bool append)
{
    close();
    const int handle = ::open(path.c_str(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (handle < 0) {
        return errno;
    }
    // Two loggers writing one file would interleave their streams: the second is refused before
    // it empties the file.
    if (::flock(handle, LOCK_EX | LOCK_NB) != 0) {
        const int error = errno == EWOULDBLOCK ? EBUSY : errno;
        ::close(handle);
        return error;
    }
    const bool placed = append ? ::lseek(handle, 0, SEEK_END) >= 0 : ::ftruncate(handle, 0) == 0;
    if (!placed) {
        const int error = errno;
        ::close(handle);
        return error;
    }
    m_handle = handle;
    return 0;
}

int CLog_file::write(std::span<const std::byte> bytes, std::size_t &written)
{
    written = 0;
    if (m_handle < 0) {
        return EBADF;
    }
    while (written < bytes.size()) {
        const ssize_t result = ::write(m_handle, bytes.data() + written, bytes.size() - written);
        if (result < 0) {
            if (errno == EINTR) {
                continue;
            }
            return errno;
        }
        if (result == 0) {
            return ENOSPC;
        }
        written += static_cast<std::size_t>(result);
    }
    return 0;
}

void CLog_file::close()
{
    if (m_handle >= 0) {
        ::close(m_handle);
        m_handle = -1;
    }
}
