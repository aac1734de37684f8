#pragma once
// The utility itself: on the RANVIK unit, commit the write filter and restart; elsewhere nothing.

#include "reseal/reseal_platform.h"

#include <chrono>
#include <string_view>

// The computer name that marks the unit, compared exactly (case and all).
inline constexpr std::string_view reseal_unit_name = "RANVIK";
// Between the end of the commit and the start of the restart.
inline constexpr std::chrono::milliseconds reseal_commit_pause{3000};

// Runs the utility on `platform` and returns its exit code, which is 0 whatever happened.
int run_reseal(IReseal_platform &platform);
