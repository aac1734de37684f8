// Scanner scripts: which lines are commands and what bytes each sends.

#include "lidar/scanner_script.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

TEST(ScannerScript, ControlCommandsSendTheirByte)
{
    EXPECT_EQ(ScriptCommand("^P;enter programming mode"), std::string("\x10"));
    EXPECT_EQ(ScriptCommand("^F; laser off"), std::string("\x06"));
    EXPECT_EQ(ScriptCommand("^N;"), std::string("\x0E"));
    EXPECT_EQ(ScriptCommand("^X ;start scanning"), std::string("\x18")) << "blanks before ';'";
}

TEST(ScannerScript, CaretMEndsTheCommandWithCarriageReturn)
{
    EXPECT_EQ(ScriptCommand("HDLOG_OPEN^M;open the file"), "HDLOG_OPEN\r");
    EXPECT_EQ(ScriptCommand("LOG_MODE3^M ; mode 3"), "LOG_MODE3\r");
    EXPECT_EQ(ScriptCommand("^P^M;"), "^P\r") << "^M decides first";
}

TEST(ScannerScript, LinesWithoutACommandSendNothing)
{
    EXPECT_EQ(ScriptCommand("HDLOG1^M"), std::nullopt) << "no ';'";
    EXPECT_EQ(ScriptCommand(";HDLOG1^M"), std::nullopt) << "';' first";
    EXPECT_EQ(ScriptCommand("   ;comment"), std::nullopt);
    EXPECT_EQ(ScriptCommand(""), std::nullopt);
    EXPECT_EQ(ScriptCommand("Q;a;b"), "Q") << "the first ';' ends the command";
    EXPECT_EQ(ScriptCommand("^Z;other"), "^Z") << "sent as it is, without CR";
}

TEST(ScannerScript, AScriptSendsItsCommandsInOrderAndSkipsOverlongLines)
{
    const std::string long_line = std::string(longest_script_line, 'A') + "^M;";
    std::istringstream in("^P;programming\r\n"
                          "HDLOG_OPEN^M;open\r\n"
                          "just a remark\n" +
                          long_line + "\n" + std::string(longest_script_line - 3, 'B') +
                          "^M;\n"
                          "Q^M;last, no line end");
    const SScanner_script script = ReadScannerScript(in);
    EXPECT_EQ(script.commands,
              (std::vector<std::string>{"\x10", "HDLOG_OPEN\r",
                                        std::string(longest_script_line - 3, 'B') + "\r", "Q\r"}));
    EXPECT_EQ(script.long_lines, std::vector<std::size_t>{4});
}

} // namespace
