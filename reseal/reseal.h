#pragma once
// The utility itself: on the RANVIK unit, commit the write filter and restart; elsewhere nothing.

#include "reseal/reseal_platform.h"

#include <chrono>
#include <span>
#include <string_view>

// The computer name that marks the unit, compared exactly (case and all).
inline constexpr std::string_view reseal_unit_name = "RANVIK";
// Between the end of the commit and the start of the restart.
inline constexpr std::chrono::milliseconds reseal_commit_pause{3000};

// Runs the utility on `platform` and returns its exit code, which is 0 whatever happened.
int run_reseal(IReseal_platform &platform);

// What the command line asks for. Only a lone "--help" or "--version" is a request of its own;
// every other command line is ignored as before and the utility runs.
enum class EReseal_request { run, help, version };
EReseal_request reseal_request(std::span<const std::string_view> arguments);

// The text --help prints.
std::string_view reseal_help_text();
