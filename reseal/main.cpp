// reseal: takes no arguments, prints nothing and always ends with exit code 0.

#include "reseal/posix_platform.h"
#include "reseal/reseal.h"

int main()
{
    try {
        CPosix_platform platform;
        return run_reseal(platform);
    } catch (...) {
        // Only running out of memory can get here; the utility still reports nothing.
        return 0;
    }
}
