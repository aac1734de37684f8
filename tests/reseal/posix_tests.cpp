// The POSIX platform, and the built program run on this machine.

#include "reseal/posix_platform.h"
#include "reseal/reseal.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <sys/time.h>
#include <sys/utsname.h>
#include <sys/wait.h>

namespace {

namespace fs = std::filesystem;
using namespace std::chrono_literals;

// A fresh folder for one test, removed with everything in it afterwards.
class CTemp_folder {
public:
    CTemp_folder()
    {
        std::string pattern = (fs::temp_directory_path() / "reseal_tests.XXXXXX").string();
        if (mkdtemp(pattern.data()) != nullptr)
            m_path = pattern;
        else
            ADD_FAILURE() << "cannot create " << pattern;
    }
    ~CTemp_folder()
    {
        std::error_code ignored;
        if (!m_path.empty())
            fs::remove_all(m_path, ignored);
    }

    fs::path file(const char *name) const { return m_path / name; }

private:
    fs::path m_path;
};

std::string contents(const fs::path &file)
{
    std::ifstream in(file, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// The kernel's node name, read without the code under test.
std::string host_name()
{
    utsname names{};
    return uname(&names) == 0 ? names.nodename : "";
}

// Sends this process SIGALRM every 2 ms, with a handler that does not restart interrupted
// calls, so that every blocking call in between is cut short with EINTR.
class CInterrupting_alarm {
public:
    CInterrupting_alarm()
    {
        s_count = 0;
        struct sigaction action {};
        action.sa_handler = [](int) { s_count = s_count + 1; };
        sigemptyset(&action.sa_mask);
        sigaction(SIGALRM, &action, &m_previous);
        const itimerval every_2ms{{0, 2000}, {0, 2000}};
        setitimer(ITIMER_REAL, &every_2ms, nullptr);
    }
    ~CInterrupting_alarm()
    {
        const itimerval off{};
        setitimer(ITIMER_REAL, &off, nullptr);
        sigaction(SIGALRM, &m_previous, nullptr);
    }

    int count() const { return s_count; }

private:
    static inline volatile std::sig_atomic_t s_count = 0;
    struct sigaction m_previous {};
};

// Ignores SIGCHLD, as a parent may have left it for reseal, so that children are reaped unseen.
class CIgnored_sigchld {
public:
    CIgnored_sigchld() { m_previous = std::signal(SIGCHLD, SIG_IGN); }
    ~CIgnored_sigchld() { std::signal(SIGCHLD, m_previous); }

private:
    void (*m_previous)(int) = SIG_DFL;
};

// Runs a shell command that writes to its file only after a pause and returns what the file
// holds once run_command has returned: "42\n" when the command was interpreted by the shell and
// waited for.
std::string run_slow_shell_command()
{
    const CTemp_folder folder;
    const fs::path result = folder.file("result");
    CPosix_platform platform;
    platform.run_command("sleep 0.2 && echo $((40 + 2)) > '" + result.string() + "'");
    return contents(result);
}

TEST(PosixPlatform, RunCommandWaitsForTheShellCommandToEnd)
{
    EXPECT_EQ(run_slow_shell_command(), "42\n");
}

TEST(PosixPlatform, RunCommandWaitsThroughInterruptingSignals)
{
    const CInterrupting_alarm alarm;
    EXPECT_EQ(run_slow_shell_command(), "42\n");
    EXPECT_GT(alarm.count(), 0) << "the wait was interrupted";
}

TEST(PosixPlatform, RunCommandWaitsWhenSigchldIsIgnored)
{
    const CIgnored_sigchld ignored;
    EXPECT_EQ(run_slow_shell_command(), "42\n");
}

TEST(PosixPlatform, SleepLastsTheWholePauseThroughInterruptingSignals)
{
    const CInterrupting_alarm alarm;
    CPosix_platform platform;
    const auto start = std::chrono::steady_clock::now();
    platform.sleep(200ms);
    EXPECT_GE(std::chrono::steady_clock::now() - start, 200ms);
    EXPECT_GT(alarm.count(), 0) << "the sleep was interrupted";
}

TEST(PosixPlatform, ComputerNameIsTheHostName)
{
    const std::string name = host_name();
    ASSERT_FALSE(name.empty());
    EXPECT_EQ(CPosix_platform().computer_name(), name);
}

struct SProgram_end {
    int wait_status = -1;
    std::string out;
    std::string err;
};

// Runs the built reseal with `arguments` through the shell, capturing its standard output and
// error.
SProgram_end run_program(const std::string &arguments)
{
    const CTemp_folder folder;
    const fs::path out = folder.file("out");
    const fs::path err = folder.file("err");
    SProgram_end end;
    end.wait_status = std::system(
        ("'" RESEAL_PROGRAM "' " + arguments + " >'" + out.string() + "' 2>'" + err.string() + "'")
            .c_str());
    end.out = contents(out);
    end.err = contents(err);
    return end;
}

TEST(ResealProgram, OnThisMachineEndsWithZeroAndPrintsNothing)
{
    if (host_name() == "RANVIK")
        GTEST_SKIP() << "this machine is named RANVIK: reseal would commit the write filter and "
                        "restart it";
    for (const char *arguments : {"", "-h", "--help --version", "-commit c:", "RANVIK"}) {
        SCOPED_TRACE(arguments);
        const SProgram_end end = run_program(arguments);
        ASSERT_TRUE(WIFEXITED(end.wait_status));
        EXPECT_EQ(WEXITSTATUS(end.wait_status), 0);
        EXPECT_EQ(end.out, "");
        EXPECT_EQ(end.err, "");
    }
}

TEST(ResealProgram, ALoneHelpOrVersionIsAnsweredOnStandardOutput)
{
    const SProgram_end help = run_program("--help");
    ASSERT_TRUE(WIFEXITED(help.wait_status));
    EXPECT_EQ(WEXITSTATUS(help.wait_status), 0);
    EXPECT_EQ(help.out, reseal_help_text());
    EXPECT_EQ(help.err, "");

    const SProgram_end version = run_program("--version");
    ASSERT_TRUE(WIFEXITED(version.wait_status));
    EXPECT_EQ(WEXITSTATUS(version.wait_status), 0);
    EXPECT_EQ(version.out.rfind("reseal ", 0), 0U) << version.out;
    EXPECT_EQ(version.out.back(), '\n');
}

} // namespace
