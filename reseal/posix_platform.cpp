#include "reseal/posix_platform.h"

#include <array>
#include <cstdlib>
#include <thread>

#include <unistd.h>

std::string CPosix_platform::computer_name() const
{
    // POSIX host names have at most 255 bytes; the last byte stays the terminator even when
    // the name is cut off.
    std::array<char, 257> name{};
    if (gethostname(name.data(), name.size() - 1) != 0)
        return {};
    return name.data();
}

void CPosix_platform::run_command(const std::string &command_line)
{
    // std::system runs /bin/sh -c and waits for it, resuming the wait after a signal; it still
    // waits when SIGCHLD is ignored (the wait then ends when the child has, with ECHILD).
    [[maybe_unused]] const int ended_with = std::system(command_line.c_str());
}

void CPosix_platform::sleep(std::chrono::milliseconds pause)
{
    // Sleeps on after a signal until the whole pause has passed.
    std::this_thread::sleep_for(pause);
}
