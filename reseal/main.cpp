// reseal: prints nothing and always ends with exit code 0; a lone --help or --version is answered
// instead.

#include "reseal/posix_platform.h"
#include "reseal/reseal.h"

#include <cstdio>
#include <string_view>
#include <vector>

int main(int argc, char **argv)
{
    try {
        const std::vector<std::string_view> arguments(argv + 1, argv + argc);
        switch (reseal_request(arguments)) {
        case EReseal_request::help:
            std::fwrite(reseal_help_text().data(), 1, reseal_help_text().size(), stdout);
            return 0;
        case EReseal_request::version:
            std::printf("reseal %s\n", RESEAL_VERSION);
            return 0;
        case EReseal_request::run:
            break;
        }
        CPosix_platform platform;
        return run_reseal(platform);
    } catch (...) {
        // Only running out of memory can get here; the utility still reports nothing.
        return 0;
    }
}
