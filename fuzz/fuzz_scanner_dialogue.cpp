// Drives the logging sequences with the data logger's bytes and the tool's events taken from the
// input: connecting, losing the connection, logging requests, giving up on a step, and reads of
// any bytes in any lengths. Whatever comes, only the sequences' own commands go out, and only
// while connected; a step waits only while connected; a mode reported is one of the seven.

#include "lidar/scanner_dialogue.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>

namespace {

using namespace std::string_view_literals;

constexpr std::array known_commands = {
    "\x10"sv,          "HDLOG_OPEN\r"sv, "HDLOG1\r"sv,    "Q\r"sv,           "\x18"sv,
    "HDLOG_CLOSE\r"sv, "HDLOG0\r"sv,     ".LOG_MODE\r"sv, ".GPS_STATUS\r"sv,
};

void require(bool condition)
{
    if (!condition) {
        std::abort();
    }
}

class CChecking_listener : public IScanner_listener {
public:
    void send_to_scanner(std::string_view command) override
    {
        require(connected);
        require(std::ranges::find(known_commands, command) != known_commands.end());
        ++sent;
    }
    void scanner_alarm(EScanner_alarm) override {}
    void logging_confirmed(bool) override { require(connected); }
    void log_mode_reported(std::optional<int> mode) override
    {
        require(!mode || (*mode >= 1 && *mode <= 7));
    }
    void gps_sync_reported(bool) override { require(connected); }

    bool connected = false;
    std::uint64_t sent = 0;
};

// The first bytes of an operation: below `read_first`, an event; from it on, a read of the
// next (byte - read_first + 1) * length_unit bytes, so that short and long reads both occur.
enum EOperation : std::uint8_t { connect, disconnect, ask_open, ask_close, give_up, read_first };
constexpr std::size_t length_unit = 37;

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    CChecking_listener listener;
    CScanner_dialogue dialogue(listener);
    std::size_t at = 0;
    while (at < size) {
        const std::uint8_t operation = data[at++];
        switch (operation) {
        case connect:
            listener.connected = true;
            dialogue.connected();
            break;
        case disconnect:
            listener.connected = false;
            dialogue.disconnected();
            break;
        case ask_open:
        case ask_close:
            dialogue.request_logging(operation == ask_open);
            break;
        case give_up:
            dialogue.give_up();
            break;
        default: {
            const std::size_t length =
                std::min(size - at, (operation - read_first + 1) * length_unit);
            dialogue.receive(std::as_bytes(std::span(data + at, length)));
            at += length;
            break;
        }
        }
        require(dialogue.commands_sent() == listener.sent);
        if (const std::optional<SScanner_step> step = dialogue.waiting_step()) {
            require(listener.connected);
            require(step->index < step->count);
            require(std::ranges::find(known_commands, step->command) != known_commands.end());
        }
    }
    return 0;
}
