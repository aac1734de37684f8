// The command line: the start-minimized switch and our options for scripted starts.

#include "app/command_line.h"

#include <gtest/gtest.h>

namespace {

TEST(CommandLine, MinimizedSwitchTakesEitherPrefixAndAnyCase)
{
    for (const char *given : {"/min", "-min", "/MIN", "-Min"}) {
        EXPECT_TRUE(ParseCommandLine({given}).start.minimized) << given;
    }
    EXPECT_FALSE(ParseCommandLine({}).start.minimized);
    EXPECT_FALSE(ParseCommandLine({"--min"}).error.isEmpty());
}

TEST(CommandLine, ComputerConnectAndPorts)
{
    const SCommand_line line =
        ParseCommandLine({"--computer", "127.0.0.2", "--connect", "--display-port", "6600",
                          "--control-port", "6601"});
    EXPECT_TRUE(line.error.isEmpty()) << line.error.toStdString();
    EXPECT_EQ(line.start.computer, "127.0.0.2");
    EXPECT_TRUE(line.start.connect);
    EXPECT_EQ(line.start.display_port, 6600);
    EXPECT_EQ(line.start.control_port, 6601);
}

TEST(CommandLine, MistakesAreNamed)
{
    EXPECT_FALSE(ParseCommandLine({"--connect"}).error.isEmpty()) << "connect to what?";
    EXPECT_FALSE(ParseCommandLine({"--display-port", "70000"}).error.isEmpty());
    EXPECT_FALSE(ParseCommandLine({"--computer"}).error.isEmpty());
    EXPECT_TRUE(ParseCommandLine({"--help"}).help);
    EXPECT_TRUE(ParseCommandLine({"--version"}).version);
}

} // namespace
