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
