// reseal on a recording platform: which commands run, in which order, with which pause.

#include "reseal/reseal.h"
#include "reseal/reseal_commands.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using Calls = std::vector<std::string>;

// Answers with a given computer name and records commands and pauses instead of acting.
class CRecording_platform final : public IReseal_platform {
public:
    explicit CRecording_platform(std::string name) : m_name(std::move(name)) {}

    std::string computer_name() const override { return m_name; }
    void run_command(const std::string &command_line) override
    {
        calls.push_back("run " + command_line);
    }
    void sleep(std::chrono::milliseconds pause) override
    {
        calls.push_back("sleep " + std::to_string(pause.count()) + " ms");
    }

    Calls calls;

private:
    std::string m_name;
};

// Runs reseal on a machine named `name`; expects exit code 0 and returns what it did.
Calls calls_on_machine(const std::string &name)
{
    CRecording_platform platform(name);
    EXPECT_EQ(run_reseal(platform), 0);
    return platform.calls;
}

TEST(Reseal, TheUnitCommitsThenPausesThenRestarts)
{
    const Calls expected = {"run " + std::string(reseal_commit_command), "sleep 3000 ms",
                            "run " + std::string(reseal_restart_command)};
    EXPECT_EQ(calls_on_machine("RANVIK"), expected);
}

TEST(Reseal, ANameDifferingOnlyInCaseRunsNothing)
{
    for (const char *name : {"ranvik", "Ranvik", "RANVIk", "rANVIK"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(calls_on_machine(name), Calls{});
    }
}

TEST(Reseal, AMissingNameRunsNothing)
{
    EXPECT_EQ(calls_on_machine(""), Calls{});
}

TEST(Reseal, TheNameIsNeitherTrimmedNorMatchedInPart)
{
    for (const char *name :
         {"RANVIK ", " RANVIK", "RANVIK\n", "RANVIK.local", "RANVI", "XRANVIK"}) {
        SCOPED_TRACE(name);
        EXPECT_EQ(calls_on_machine(name), Calls{});
    }
}

// Only a lone --help or --version is answered; every other command line runs the utility as
// before, so that a caller passing arguments by habit still commits on the unit.
TEST(Reseal, OnlyALoneHelpOrVersionIsARequestOfItsOwn)
{
    using Arguments = std::vector<std::string_view>;
    EXPECT_EQ(reseal_request(Arguments{"--help"}), EReseal_request::help);
    EXPECT_EQ(reseal_request(Arguments{"--version"}), EReseal_request::version);
    for (const Arguments &arguments :
         {Arguments{}, Arguments{"-h"}, Arguments{"--HELP"}, Arguments{"--help", "x"},
          Arguments{"x", "--version"}, Arguments{"-commit", "c:"}, Arguments{"--help="}}) {
        EXPECT_EQ(reseal_request(arguments), EReseal_request::run) << arguments.size();
    }
}

} // namespace
