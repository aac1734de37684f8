#pragma once
// What reseal needs from the operating system.

#include <chrono>
#include <string>

class IReseal_platform {
public:
    // The machine's name; empty when it cannot be read.
    virtual std::string computer_name() const = 0;
    // Runs `command_line` through the command interpreter and returns once it has ended. How it
    // ended is not reported: nothing acts on it.
    virtual void run_command(const std::string &command_line) = 0;
    virtual void sleep(std::chrono::milliseconds pause) = 0;

protected:
    ~IReseal_platform() = default;
};
