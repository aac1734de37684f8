#include "recording/recording_writer.h"

#include "recording/recording_format.h"

#include <array>
#include <cerrno>

CRecording_writer::~CRecording_writer()
{
    close();
}

int CRecording_writer::open(const std::string &path)
{
    close();
    m_error = 0;
    m_bytes = 0;
    m_datagrams = 0;
    errno = 0;
    m_file = std::fopen(path.c_str(), "wb");
    if (m_file == nullptr) {
        return errno != 0 ? errno : EIO;
    }
    return put(recording::magic);
}

int CRecording_writer::write(std::uint64_t arrival_us, std::span<const std::byte> datagram)
{
    if (m_file == nullptr) {
        return m_error != 0 ? m_error : EBADF;
    }
    if (datagram.size() > recording::largest_datagram) {
        return EMSGSIZE;
    }
    std::array<std::byte, recording::record_header_size> header{};
    recording::write_record_header(header, arrival_us, datagram);
    if (const int error = put(header); error != 0) {
        return error;
    }
    if (const int error = put(datagram); error != 0) {
        return error;
    }
    ++m_datagrams;
    return 0;
}

int CRecording_writer::close()
{
    if (m_file == nullptr) {
        return m_error;
    }
    errno = 0;
    if (std::fclose(m_file) != 0 && m_error == 0) {
        m_error = errno != 0 ? errno : EIO;
    }
    m_file = nullptr;
    return m_error;
}

int CRecording_writer::put(std::span<const std::byte> bytes)
{
    if (m_error != 0) {
        return m_error;
    }
    errno = 0;
    if (!bytes.empty() && std::fwrite(bytes.data(), 1, bytes.size(), m_file) != bytes.size()) {
        m_error = errno != 0 ? errno : EIO;
        return m_error;
    }
    m_bytes += bytes.size();
    return 0;
}
