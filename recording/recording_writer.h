#pragma once
// Writes a recording: the magic, then one record per datagram. Errors are returned as errno
// values; once one has happened every later write returns it too.

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>

class CRecording_writer {
public:
    CRecording_writer() = default;
    ~CRecording_writer();
    CRecording_writer(const CRecording_writer &) = delete;
    CRecording_writer &operator=(const CRecording_writer &) = delete;

    // Creates (or empties) the file and writes the magic. Returns 0 or errno.
    int open(const std::string &path);
    // Appends one datagram received at `arrival_us` (microseconds since 1970 UTC).
    int write(std::uint64_t arrival_us, std::span<const std::byte> datagram);
    // Writes out what is buffered and closes. Returns 0 or the first error.
    int close();

    bool is_open() const { return m_file != nullptr; }
    // Bytes in the file so far, the magic included.
    std::uint64_t bytes_written() const { return m_bytes; }
    std::uint64_t datagrams_written() const { return m_datagrams; }

private:
    int put(std::span<const std::byte> bytes);

    std::FILE *m_file = nullptr;
    int m_error = 0;
    std::uint64_t m_bytes = 0;
    std::uint64_t m_datagrams = 0;
};
