// korusim: a simulated KORU computer on the wire. See --help.

#include "tools/korusim/korusim.h"

#include <csignal>
#include <iostream>
#include <string_view>
#include <vector>

namespace {

volatile std::sig_atomic_t stop_requested = 0;

void request_stop(int)
{
    stop_requested = 1;
}

// Ctrl-C and a termination request end the loop; poll() returns early on them.
void catch_stop_signals()
{
    struct sigaction action {};
    action.sa_handler = request_stop;
    sigemptyset(&action.sa_mask);
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

} // namespace

int main(int argc, char **argv)
{
    const std::vector<std::string_view> arguments(argv + 1, argv + argc);
    const std::vector<SGroup_default> simulated = group_defaults(make_group_encoders());
    const SParsed_options parsed = parse_options(arguments, simulated);
    if (!parsed.error.empty()) {
        std::cerr << "korusim: " << parsed.error << '\n';
        return 2;
    }
    if (parsed.help) {
        std::cout << help_text(simulated);
        return 0;
    }
    if (parsed.version) {
        std::cout << "korusim " << KORUSIM_VERSION << '\n';
        return 0;
    }

    catch_stop_signals();
    const CSteady_clock clock;
    CEvent_log log(std::cout, clock);
    CKorusim korusim(parsed.options, clock, log);
    if (korusim.open() != 0) {
        return 1;
    }
    constexpr int longest_wait_ms = 250;
    while (stop_requested == 0 && !korusim.finished()) {
        korusim.run_once(longest_wait_ms);
    }
    log.line("stopped");
    return 0;
}
