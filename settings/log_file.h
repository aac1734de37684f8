#pragma once
// Where a PC data logger puts the bytes of a logging port: a file that takes every byte it is
// given, in order, finishing writes the system cut short. A failure (a full disk) is returned
// with the count of bytes that did reach the file, so that the file is a known prefix of the
// stream.

#include <cstddef>
#include <span>
#include <string>

class ILog_sink {
public:
    virtual ~ILog_sink() = default;
    // Writes all of `bytes`: 0, or the errno of the failure. `written` tells how many of them
    // reached the file in either case.
    virtual int write(std::span<const std::byte> bytes, std::size_t &written) = 0;
};

class CLog_file final : public ILog_sink {
public:
    CLog_file() = default;
    ~CLog_file() override;
    CLog_file(const CLog_file &) = delete;
    CLog_file &operator=(const CLog_file &) = delete;

    // Opens `path` for writing: behind what it holds when `append`, else emptied; made when it
    // does not exist. Another logger writing the file keeps it to itself. 0 or the errno.
    int open(const std::string &path, bool append);
    int write(std::span<const std::byte> bytes, std::size_t &written) override;
    void close();

private:
    int m_handle = -1;
};
