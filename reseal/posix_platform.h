#pragma once
// The platform interface on POSIX: the host name is the computer name, commands run through
// /bin/sh -c.

#include "reseal/reseal_platform.h"

class CPosix_platform final : public IReseal_platform {
public:
    std::string computer_name() const override;
    void run_command(const std::string &command_line) override;
    void sleep(std::chrono::milliseconds pause) override;
};
