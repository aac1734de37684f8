#include "reseal/reseal.h"

#include "reseal/reseal_commands.h"

#include <string>

int run_reseal(IReseal_platform &platform)
{
    if (platform.computer_name() == reseal_unit_name) {
        platform.run_command(std::string(reseal_commit_command));
        platform.sleep(reseal_commit_pause);
        platform.run_command(std::string(reseal_restart_command));
    }
    return 0;
}

EReseal_request reseal_request(std::span<const std::string_view> arguments)
{
    if (arguments.size() == 1 && arguments[0] == "--help") {
        return EReseal_request::help;
    }
    if (arguments.size() == 1 && arguments[0] == "--version") {
        return EReseal_request::version;
    }
    return EReseal_request::run;
}

std::string_view reseal_help_text()
{
    return "Usage: reseal\n"
           "On the machine named RANVIK: commits the pending changes of the write filter on\n"
           "drive C: to disk, then restarts the machine. On any other machine it does\n"
           "nothing. It prints nothing and always ends with exit code 0; other arguments\n"
           "are ignored.\n"
           "\n"
           "  --help     show this text\n"
           "  --version  show the version\n";
}
