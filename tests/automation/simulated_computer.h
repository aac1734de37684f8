#pragma once
// korusim in-process, replaying a file of raw frames to a display port on loopback and listening
// on a given control port. Its own unit keeps korusim's headers apart from the shell's, whose
// option records share a name. Its clock moves on 10 ms with each turn of its loop.

#include <cstdint>
#include <memory>
#include <string>

class CSimulated_computer {
public:
    CSimulated_computer(std::uint16_t display_port, std::uint16_t control_port,
                        const std::string &replay_file);
    ~CSimulated_computer();
    CSimulated_computer(const CSimulated_computer &) = delete;
    CSimulated_computer &operator=(const CSimulated_computer &) = delete;

    // Opens its sockets and the file: 0, or the errno of what failed.
    int open();
    // One turn of its loop, waiting for nothing.
    void run_once();
    // What it printed: one line per connection, message and acknowledgement.
    std::string log() const;

private:
    struct SState;
    std::unique_ptr<SState> m_state;
};
